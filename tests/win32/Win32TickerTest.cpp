#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "win32/Win32Ticker.h"

using lumivox::TimerId;
using lumivox::Win32Ticker;

namespace {

// Runs the thread's messages, timers' included, for a while.
void runMessagesFor(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

}  // namespace

TEST(Win32Ticker, EachRunningTimerTicksUnderItsOwnIdUntilStopped) {
  std::map<TimerId, int> ticks;
  Win32Ticker* self = nullptr;
  Win32Ticker ticker([&](TimerId timer) {
    ++ticks[timer];
    if (timer == TimerId::Timer2) self->stop(TimerId::Timer2);  // a one-shot stops itself
  });
  self = &ticker;
  ticker.start(TimerId::TimeChr, 20);
  ticker.start(TimerId::Timer2, 1);
  ticker.start(TimerId::Timer3, 30000);
  runMessagesFor(300);
  EXPECT_GE(ticks[TimerId::TimeChr], 3);
  EXPECT_EQ(ticks[TimerId::Timer2], 1);
  EXPECT_EQ(ticks[TimerId::Timer3], 0);

  ticker.stop(TimerId::TimeChr);
  ticks.clear();
  runMessagesFor(100);
  EXPECT_EQ(ticks[TimerId::TimeChr], 0);
}
