#pragma once
#include <string>
#include <vector>

#include "common/Ticker.h"
#include "common/TimerSwitches.h"
#include "info/About.h"

namespace lumivox {

class AboutView;
class Prompter;

// The About window's timers as it creates them.
inline std::vector<TimerRow> aboutTimers() {
  return {
      {TimerId::ThanksTimer, "ThanksTimer", 5000, true},  // the next thanks entry
      {TimerId::CThanksList, "CThanksList", 10000, true}, // the list again once it has run out
  };
}

// The About window's logic: its load, and the thanks rotation on its two
// timers until the window goes.
class AboutController {
 public:
  AboutController(AboutView& view, Ticker& ticker, Prompter& prompter);

  void load(const std::string& mainLibraryPath);
  void onTimer(TimerId timer);
  void onUnload();

 private:
  AboutView& view_;
  Prompter& prompter_;
  TimerSwitches timers_;
  ThanksRotation rotation_;
};

}  // namespace lumivox
