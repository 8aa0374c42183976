#pragma once
#include <string_view>

#include "dialogue/DialogueState.h"

namespace lumivox {

class IndexModel;
class Prompter;

inline constexpr const char* kLoadFailedText =
    "咔咔～读取失败。请到对话进程设置中重新设置对话进程并重新保存对话进程。如有问题，请将Data目录下的Quorra.Data文件发给我，"
    "我会给您提供解决方法。";

// The manual save of a track: its key into its save file, then the
// confirmation. A failure is reported by a box naming the file.
void saveProgressCommand(DialogueState& state, Track track, IndexModel& view, Prompter& prompter);

// A load of a track from one of its progress files (manual or auto-save).
void loadProgressCommand(DialogueState& state, Track track, std::string_view relativePath, IndexModel& view,
                         Prompter& prompter);

}  // namespace lumivox
