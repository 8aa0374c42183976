#pragma once

namespace lumivox {

// Every timer of every window. A front end runs them through its Ticker and
// calls the window's controller back on each tick.
enum class TimerId {
  // The main window's.
  TimeChr,
  Timer1,
  Timer2,
  Timer3,
  UserNumberTi,
  // About's thanks rotation.
  ThanksTimer,
  CThanksList,
  // The show window's progress and fade.
  ShowProgress,
  ShowFade,
  // The lines window's search, a slice a tick.
  LinesSearch,
};

}  // namespace lumivox
