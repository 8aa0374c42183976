#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogue/DialogueState.h"

namespace lumivox {

class IndexModel;

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
  std::string text(std::int32_t number) const;
  // The first number from `from` on, wrapping below `rows` back to 0, whose
  // line (as shown, its first 255 bytes) holds the needle. Only lines the
  // library holds are searched; the fallback of a gap is no line.
  std::optional<std::int32_t> find(std::string_view needle, std::int32_t from, std::int32_t rows) const;

 private:
  std::string path_;
  Track track_;
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
