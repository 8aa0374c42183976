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
  // The system lets only the foreground's input thread hand the foreground
  // on: the game's, when the lines key asks for the lines window.
  const DWORD own = GetCurrentThreadId();
  const HWND foreground = GetForegroundWindow();
  const DWORD input = foreground ? GetWindowThreadProcessId(foreground, nullptr) : own;
  const bool attached = input != own && AttachThreadInput(own, input, TRUE);
  const bool done = SetForegroundWindow(window) != FALSE;
  if (attached) AttachThreadInput(own, input, FALSE);
  return done;
}

}  // namespace lumivox
