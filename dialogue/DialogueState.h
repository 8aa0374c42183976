#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/CommandId.h"
#include "common/Paths.h"
#include "dialogue/DataFiles.h"

namespace lumivox {

enum class Track { Main, Door };

inline constexpr std::string_view kMainTrackName = "IndexText";
inline constexpr std::string_view kDoorTrackName = "InDoor";

// The track rule: exactly "IndexText" is the main story, anything else (the
// empty text too) the door stories.
inline Track trackOf(std::string_view activeTrack) {
  return activeTrack == kMainTrackName ? Track::Main : Track::Door;
}

// What 对话内容 shows of a library: the track and key it looked up last, and
// the text it shows where that library holds no such line. An empty key:
// nothing of a library yet.
struct ShownLine {
  Track track = Track::Main;
  std::string key;
  std::string_view fallback;
  bool operator==(const ShownLine&) const = default;
};

// The program-wide dialogue state, owned by the main window for the whole run.
// Each track's counter names the line the next advance shows; its key is the
// decimal text of the line shown last.
struct DialogueState {
  std::string activeTrack;
  std::int32_t mainLineNumber = 0;
  std::int32_t doorLineNumber = 0;
  std::string mainLineKey;
  std::string doorLineKey;
  std::string hotkeyToken;
  std::string counterPagePath;
  std::string gamePath;
  // What the lines window marks: the main window's line, not the keys, which
  // a new progress moves without showing anything.
  ShownLine shown;
  // The libraries' paths below the current directory in the order of
  // kTracks, as the poll keeps them in the window's fields.
  PathsInCurrentDirectory libraryPaths;

  DialogueState();
  Track track() const { return trackOf(activeTrack); }
  std::int32_t& counter(Track t) { return t == Track::Main ? mainLineNumber : doorLineNumber; }
  std::string& key(Track t) { return t == Track::Main ? mainLineKey : doorLineKey; }
};

// What differs between the two tracks: the one place that says which library
// file, section and line count belong to a track.
struct TrackInfo {
  std::string_view libraryFile;  // below the current directory
  std::string_view section;
  // The key of the main library's [TextNumber] section that holds the
  // track's line count.
  std::string_view lineCountKey;
  // Commands an advance of the track makes usable.
  CommandId save, load, loadAutoSave;
};

inline const TrackInfo& trackInfo(Track t) {
  static const TrackInfo main{kMainLibraryFile, "Quorra", "TextNumber", CommandId::SaveMain, CommandId::LoadMain,
                              CommandId::LoadAutoSaveMain};
  static const TrackInfo door{kDoorLibraryFile, "Door", "TextNumberDoor", CommandId::SaveDoor, CommandId::LoadDoor,
                              CommandId::LoadAutoSaveDoor};
  return t == Track::Main ? main : door;
}

inline constexpr Track kTracks[] = {Track::Main, Track::Door};

inline DialogueState::DialogueState()
    : libraryPaths({trackInfo(Track::Main).libraryFile, trackInfo(Track::Door).libraryFile},
                   std::chrono::milliseconds(500)) {}

}  // namespace lumivox
