#pragma once
#include <vector>

#include "common/Ticker.h"
#include "common/TimerSwitches.h"
#include "show/ShowFrmSteps.h"

namespace lumivox {

class ShowView;

// The show window's timers as it creates them.
inline std::vector<TimerRow> showTimers() {
  return {
      {TimerId::ShowProgress, "Timer1", 30, true},  // the bar's progress
      {TimerId::ShowFade, "Timer2", 40, true},      // the fade-in
  };
}

// What the show window asks of the main window: its timers still while the
// show window is open, and as they were once it has gone.
class ShowHost {
 public:
  virtual ~ShowHost() = default;
  virtual void pauseForShowWindow() = 0;
  virtual void resumeAfterShowWindow() = 0;
};

// The show window's logic, from its creation to its unload: the fade, the
// bar running towards StepTarget, and closing on a click.
class ShowController {
 public:
  ShowController(ShowFrmMembers& members, ShowView& window, Ticker& ticker, ShowHost& host);

  // The window's creation: both timers run, a new StepTarget, the bar's Max.
  void load(float r = clockSeededRandom());
  // The menu command, right after the load.
  void open();
  void onTimer(TimerId timer);
  // A click on the picture, the label or the background.
  void onClick();
  // However the window goes: its timers stop, the main window's resume.
  void onUnload();

  bool timerOn(TimerId timer) const { return timers_.on(timer); }

 private:
  void fadeTick();
  void progressTick();

  ShowFrmMembers& members_;
  ShowView& window_;
  ShowHost& host_;
  TimerSwitches timers_;
  bool unloaded_ = false;
};

}  // namespace lumivox
