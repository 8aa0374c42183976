#include "dialogue/DebugMode.h"

#include "common/Prompter.h"
#include "dialogue/IndexView.h"

namespace lumivox {
namespace {

void switchPausedTimers(IndexView& view, bool enabled) {
  for (const char* timer : {"Time_Chr", "Timer2", "Timer3"}) view.setTimerEnabled(timer, enabled);
}

}  // namespace

void enterDebugMode(IndexView& view, Prompter& prompter) {
  prompter.inform("成功进入Debug模式。。现在中止检测按键记录和自动保存功能。", "Debug", Prompter::Icon::Information);
  switchPausedTimers(view, false);
  view.setMenuItemEnabled("退出Debug模式", true);
  view.setMenuItemEnabled("Debug模式", false);
}

void leaveDebugMode(IndexView& view, Prompter& prompter) {
  prompter.inform("成功退出Debug模式。。现在重启检测按键记录和自动保存功能。", "Debug", Prompter::Icon::Information);
  switchPausedTimers(view, true);
  view.setMenuItemEnabled("Debug模式", true);
  view.setMenuItemEnabled("退出Debug模式", false);
}

}  // namespace lumivox
