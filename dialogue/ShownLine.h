#pragma once
#include <string>
#include <string_view>

#include "dialogue/DialogueState.h"

namespace lumivox {

class IndexModel;

// A track's line as 对话内容 shows it: the library's line for the key, or the
// fallback where the library has none. The main window and the lines window
// both show lines through it, so the two never differ.
std::string lineText(const std::string& libraryPath, Track track, std::string_view key, std::string_view fallback);

// Shows the track's line for the key in 对话内容 and keeps what it showed,
// for the lines window to mark.
void showLine(DialogueState& state, IndexModel& view, Track track, std::string_view key, std::string_view fallback);

}  // namespace lumivox
