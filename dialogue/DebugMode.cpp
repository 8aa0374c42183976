#include "dialogue/DebugMode.h"

#include "common/Prompter.h"
#include "dialogue/IndexModel.h"

namespace lumivox {
namespace {

void switchPausedTimers(IndexModel& view, bool enabled) {
  for (TimerId timer : {TimerId::TimeChr, TimerId::Timer2, TimerId::Timer3}) view.setTimerEnabled(timer, enabled);
}

}  // namespace

void enterDebugMode(IndexModel& view, Prompter& prompter) {
  prompter.inform("成功进入Debug模式。。现在中止检测按键记录和自动保存功能。", "Debug", Prompter::Icon::Information);
  switchPausedTimers(view, false);
  view.setCommandEnabled(CommandId::LeaveDebugMode, true);
  view.setCommandEnabled(CommandId::DebugMode, false);
}

void leaveDebugMode(IndexModel& view, Prompter& prompter) {
  prompter.inform("成功退出Debug模式。。现在重启检测按键记录和自动保存功能。", "Debug", Prompter::Icon::Information);
  switchPausedTimers(view, true);
  view.setCommandEnabled(CommandId::DebugMode, true);
  view.setCommandEnabled(CommandId::LeaveDebugMode, false);
}

}  // namespace lumivox
