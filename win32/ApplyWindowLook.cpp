#include "win32/ApplyWindowLook.h"

#include "app/WindowLook.h"
#include "platform/LayeredWindow.h"

namespace lumivox {

void setStaysOnTop(HWND window, bool onTop) {
  SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void setOpacityPercent(HWND window, int percent) {
  if (percent < 100) {
    SetWindowOpacity(reinterpret_cast<NativeWindowHandle>(window), opacityLevel(percent));
    return;
  }
  // Opaque: a layered window costs every paint a copy, so it stops being one.
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (style & WS_EX_LAYERED) SetWindowLongPtrW(window, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
}

void setOwnerWhileOnTop(HWND window, HWND owner, bool onTop) {
  SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(onTop ? owner : nullptr));
  setStaysOnTop(window, onTop);
}

}  // namespace lumivox
