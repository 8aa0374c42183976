#include "dialogue/Tracks.h"

#include "common/Prompter.h"
#include "dialogue/DialogueState.h"
#include "dialogue/IndexModel.h"

namespace lumivox {

// 星之扉12 is offered like every other door: a player who reaches that door
// needs its lines as much as any other's, and a gap in the numbering would
// look like a fault.
const std::array<std::string_view, 26>& doorEntryItems() {
  static const std::array<std::string_view, 26> items{
      "星之扉1",  "星之扉2",  "星之扉3",  "星之扉4",  "星之扉5",     "星之扉6",     "星之扉7",
      "星之扉8",  "星之扉9",  "星之扉10", "星之扉11", "星之扉12",    "星之扉13",    "星之扉14",
      "星之扉15", "初次进入YUE1", "再次进入YUE1", "月之扉2", "月之扉3", "月之扉4", "月之扉5",
      "太阳之扉1", "太阳之扉2", "太阳之扉3", "太阳之扉4", "太阳之扉5"};
  return items;
}

void switchToMainStory(DialogueState& state, IndexModel& view, Prompter& prompter) {
  if (!prompter.ask(kSwitchQuestionText, "数据丢失提醒", Prompter::Buttons::OkCancel, Prompter::Icon::Information))
    return;
  state.activeTrack = std::string(kMainTrackName);
  // The progress bar follows the track at the next line-count read.
  view.setTimerEnabled(TimerId::Timer2, true);
  prompter.inform(kSwitchDoneText, "成功操作", Prompter::Icon::Information);
}

void enterDoor(DialogueState& state, IndexModel& view) {
  state.activeTrack = std::string(kDoorTrackName);
  view.setTimerEnabled(TimerId::Timer2, true);
  state.doorLineNumber = 0;
}

}  // namespace lumivox
