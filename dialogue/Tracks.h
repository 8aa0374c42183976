#pragma once
#include <array>
#include <string_view>

namespace lumivox {

class IndexModel;
class Prompter;
struct DialogueState;

// The 26 door entry items of the 记忆之门 menu, in menu order. All of them do
// the same: only the name tells the player which door it stands for.
const std::array<std::string_view, 26>& doorEntryItems();

inline constexpr const char* kSwitchQuestionText =
    "切换对话类型可能会丢失现类型的对话数据，请确认已经保存。单击确定切换对话类型";
inline constexpr const char* kSwitchDoneText = "切换成功，按下热键即可重新进行对话。";

// Back to the main story after the player confirms; both counters and keys
// stay as they are, so the main story goes on where it stood.
void switchToMainStory(DialogueState& state, IndexModel& view, Prompter& prompter);

// Any door: the door track starts again at line 0, silently. The main
// counter is not touched.
void enterDoor(DialogueState& state, IndexModel& view);

}  // namespace lumivox
