#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

#include "dialogue/DialogueState.h"

namespace lumivox {

class IndexModel;

inline constexpr const char* kLoadFallbackText = "读取完毕，请按您设置的键开始对话...[默认空格]";
inline constexpr const char* kLoadedStatusText = "读取成功，请按您设置的键进入待命状态。[默认空格]";

// A progress file whose value is not a line number.
class ProgressValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a progress file holds: one line, the key and CR LF.
std::string progressFileBytes(std::string_view key);

// Writes the track's key to the progress file at the relative path. The file
// is replaced whole or not at all; the Data folder is never created. Throws
// FileError when the file cannot be written, the old file then kept as it was.
void SaveProgress(DialogueState& state, Track track, std::string_view relativePath);

// Reads the progress file at the relative path: its last field, without the
// blanks around it, goes into the track's loaded-text field and names the
// line shown at once; then, when it is a line number, it becomes the track's
// counter. Throws FileError when the
// file cannot be read (nothing changed) and ProgressValueError when the value
// is no number (the field and the line already shown, the counter kept).
void LoadProgress(DialogueState& state, Track track, std::string_view relativePath, IndexModel& view);

}  // namespace lumivox
