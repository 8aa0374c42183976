#pragma once
#include <windows.h>

#include <functional>

#include "common/Ticker.h"

namespace lumivox {

// A window's timers as system timers on a message-only window of their own;
// each tick goes to the window's controller, between other messages of the
// GUI thread. Timers come no faster than the system allows (10 ms).
class Win32Ticker final : public Ticker {
 public:
  explicit Win32Ticker(std::function<void(TimerId)> onTick);
  ~Win32Ticker() override;
  Win32Ticker(const Win32Ticker&) = delete;
  Win32Ticker& operator=(const Win32Ticker&) = delete;

  void start(TimerId timer, int intervalMs) override;
  void stop(TimerId timer) override;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::function<void(TimerId)> onTick_;
  HWND window_ = nullptr;
};

}  // namespace lumivox
