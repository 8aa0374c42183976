#include "platform/WindowFocusWin.h"

#include <windows.h>

namespace lumivox {

std::optional<WindowFocus::Focused> WinWindowFocus::focused() {
  const HWND window = GetForegroundWindow();
  if (!window) return std::nullopt;
  Focused focused;
  focused.id = reinterpret_cast<WindowId>(window);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  focused.ours = process == GetCurrentProcessId();
  if (RECT frame; GetWindowRect(window, &frame))
    focused.frame = ScreenRect{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
  return focused;
}

bool WinWindowFocus::focus(WindowId id) {
  const auto window = reinterpret_cast<HWND>(id);
  if (!IsWindow(window)) return false;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  return SetForegroundWindow(window) != FALSE;
}

}  // namespace lumivox
