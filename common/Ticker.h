#pragma once
#include "common/TimerId.h"

namespace lumivox {

// The clock of a window: the front end runs a repeating timer per TimerId and
// calls the window's controller back on every tick.
class Ticker {
 public:
  virtual ~Ticker() = default;
  // Starts the timer anew with this interval (milliseconds, above 0).
  virtual void start(TimerId timer, int intervalMs) = 0;
  virtual void stop(TimerId timer) = 0;
};

}  // namespace lumivox
