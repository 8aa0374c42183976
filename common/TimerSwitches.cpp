#include "common/TimerSwitches.h"

#include <stdexcept>

namespace lumivox {

TimerSwitches::TimerSwitches(Ticker& ticker, const std::vector<TimerRow>& timers) : ticker_(ticker) {
  for (const TimerRow& row : timers) timers_.push_back({row});
}

void TimerSwitches::startAsDesigned() {
  for (State& timer : timers_) {
    timer.on = timer.row.onAtStart;
    apply(timer);
  }
}

const TimerSwitches::State* TimerSwitches::find(TimerId timer) const {
  for (const State& state : timers_)
    if (state.row.id == timer) return &state;
  return nullptr;
}

TimerSwitches::State& TimerSwitches::state(TimerId timer) {
  if (const State* found = find(timer)) return const_cast<State&>(*found);
  throw std::logic_error("a timer of another window");
}

bool TimerSwitches::on(TimerId timer) const {
  const State* found = find(timer);
  return found && found->on;
}

int TimerSwitches::interval(TimerId timer) const {
  const State* found = find(timer);
  return found ? found->row.intervalMs : 0;
}

bool TimerSwitches::setOn(TimerId timer, bool on) {
  State& s = state(timer);
  if (s.on == on) return false;
  s.on = on;
  apply(s);
  return on;
}

void TimerSwitches::setInterval(TimerId timer, int intervalMs) {
  State& s = state(timer);
  s.row.intervalMs = intervalMs;
  apply(s);
}

void TimerSwitches::stopAll() {
  for (State& timer : timers_) {
    timer.on = false;
    apply(timer);
  }
}

void TimerSwitches::apply(const State& timer) {
  if (!timer.row.ticks) return;
  if (timer.on && timer.row.intervalMs > 0) {
    ticker_.start(timer.row.id, timer.row.intervalMs);
  } else {
    ticker_.stop(timer.row.id);
  }
}

}  // namespace lumivox
