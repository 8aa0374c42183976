#pragma once
#include <vector>

#include "common/TimerSwitches.h"

namespace lumivox {

// The main window's timers as it creates them.
inline std::vector<TimerRow> indexTimers() {
  return {
      {TimerId::TimeChr, "Time_Chr", 20, true},          // key poll and advance
      {TimerId::Timer2, "Timer2", 1, true},              // the line count into Bar1, once
      {TimerId::Timer3, "Timer3", 30000, true},          // auto-save
      {TimerId::UserNumberTi, "UserNumberTi", 5, false}, // the counter page
      {TimerId::Timer1, "Timer1", 1, true, false},       // no action; the show window switches it
  };
}

}  // namespace lumivox
