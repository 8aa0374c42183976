#include "platform/LayeredWindow.h"

#include <windows.h>

namespace lumivox {

int SetWindowOpacity(NativeWindowHandle window, const std::int16_t& opacity) {
  if (opacity < 0 || opacity > 255) return kOpacityOutOfRange;
  const HWND handle = reinterpret_cast<HWND>(window);
  if (!IsWindow(handle)) return kOpacityRefused;

  // Looked up at run time: a system without layered windows lacks the entry
  // point, and that must give 2 rather than stop the program from starting.
  using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  const auto setLayeredAttributes =
      user32 ? reinterpret_cast<SetLayeredAttributes>(
                   reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")))
             : nullptr;

  // The calls' own results are not looked at; only a missing call counts.
  const LONG style = GetWindowLongA(handle, GWL_EXSTYLE);
  SetWindowLongA(handle, GWL_EXSTYLE, style | WS_EX_LAYERED);
  if (!setLayeredAttributes) return kOpacityRefused;
  setLayeredAttributes(handle, 0, static_cast<BYTE>(opacity), LWA_ALPHA);
  return kOpacityApplied;
}

}  // namespace lumivox
