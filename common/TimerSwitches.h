#pragma once
#include <vector>

#include "common/Ticker.h"
#include "common/TimerId.h"

namespace lumivox {

// One timer of a window as designed.
struct TimerRow {
  TimerId id;
  const char* name;  // the name tests and tools find it by
  int intervalMs;
  bool onAtStart;
  bool ticks = true;  // false: a timer with no action, only switched
};

// The switches and intervals of a window's timers, run on a Ticker. A timer
// ticks while it is on and its interval is above 0; an interval of 0 keeps
// whether it is on for when it gets an interval again. A timer with no
// action never reaches the ticker.
class TimerSwitches {
 public:
  TimerSwitches(Ticker& ticker, const std::vector<TimerRow>& timers);

  // Every timer as the window creates it.
  void startAsDesigned();

  bool on(TimerId timer) const;
  int interval(TimerId timer) const;
  // True when the timer was off and is now on; switching a running timer on
  // again leaves it running as it was.
  bool setOn(TimerId timer, bool on);
  void setInterval(TimerId timer, int intervalMs);
  // Every timer off, as when the window goes.
  void stopAll();

 private:
  struct State {
    TimerRow row;
    bool on = false;
  };
  State& state(TimerId timer);
  const State* find(TimerId timer) const;
  void apply(const State& timer);

  Ticker& ticker_;
  std::vector<State> timers_;
};

}  // namespace lumivox
