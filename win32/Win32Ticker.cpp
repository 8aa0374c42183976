#include "win32/Win32Ticker.h"

#include <utility>

#include "win32/WindowClass.h"

namespace lumivox {
namespace {

constexpr wchar_t kClassName[] = L"LumivoxTicker";

// Timer identifiers start at 1: 0 is no timer to the system.
UINT_PTR systemId(TimerId timer) { return static_cast<UINT_PTR>(timer) + 1; }

}  // namespace

Win32Ticker::Win32Ticker(std::function<void(TimerId)> onTick) : onTick_(std::move(onTick)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  registerWindowClass(instance, kClassName, procedure, ClassLook::Plain);
  window_ = CreateWindowExW(0, kClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Ticker::~Win32Ticker() {
  if (window_) DestroyWindow(window_);  // its timers go with it
}

void Win32Ticker::start(TimerId timer, int intervalMs) {
  // Setting a running timer again starts it anew with the new interval.
  if (window_) SetTimer(window_, systemId(timer), static_cast<UINT>(intervalMs), nullptr);
}

void Win32Ticker::stop(TimerId timer) {
  if (window_) KillTimer(window_, systemId(timer));
}

LRESULT CALLBACK Win32Ticker::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    if (auto* self = reinterpret_cast<Win32Ticker*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      self->onTick_(static_cast<TimerId>(wParam - 1));
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace lumivox
