#pragma once
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dialogue/DialogueState.h"

namespace lumivox {

class IndexModel;
class IniDocument;
class IniSectionIndex;
class LineSearch;

// One track's lines as the lines window lists them: numbers 0 up to the
// highest line number the library holds, each read through the reader when
// it is asked for. Nothing is kept per line, so a library of a million lines
// costs what one of ten does.
class TrackLines {
 public:
  TrackLines(std::string libraryPath, Track track) : path_(std::move(libraryPath)), track_(track) {}

  // One past the highest line number of the track's section; 0 without a
  // library or section.
  std::int32_t count() const;
  // What the main window shows for that number: its line, or the fallback
  // where the library has none.
  std::string text(std::int32_t number, std::string_view fallback) const;
  // A search from `from` on, wrapping below `rows` back to 0, for the first
  // number whose line (as shown, its first 255 bytes) holds the needle.
  LineSearch search(std::string_view needle, std::int32_t from, std::int32_t rows) const;

 private:
  std::string path_;
  Track track_;
};

// A search through a track's lines that goes a slice at a time, so that the
// window answers between slices however long the track. It reads the
// library as it was when the search began. Only lines the library holds are
// searched; the fallback of a gap is no line.
class LineSearch {
 public:
  using Clock = std::chrono::steady_clock;
  LineSearch(std::shared_ptr<const IniDocument> document, const IniSectionIndex* section, std::string needleGbk,
             std::int32_t from, std::int32_t rows);

  // Looks at up to `lines` more lines, fewer once `deadline` has passed;
  // true when the search is over.
  bool step(std::int32_t lines, Clock::time_point deadline);
  bool over() const { return over_; }
  std::optional<std::int32_t> found() const { return found_; }
  std::int32_t from() const { return from_; }

 private:
  std::shared_ptr<const IniDocument> document_;
  const IniSectionIndex* section_;
  std::string needle_;
  std::int32_t from_, rows_, looked_ = 0;
  std::optional<std::int32_t> found_;
  bool over_ = false;
};

// Whether the GBK needle stands in the GBK text starting on one of its
// characters: the trail byte of one character and the lead byte of the
// next never make a match.
bool containsOnCharacterBoundary(std::string_view text, std::string_view needle);

// The lines window's choice of a line of the active track: the main window
// shows it now and the next press shows the one after it.
void chooseLine(DialogueState& state, IndexModel& view, std::int32_t number);

inline constexpr const char* kChosenLineStatus = "已跳至对话列表中选定的对话，按您设置的键继续。对话数：";

}  // namespace lumivox
