#pragma once
#include <windows.h>

namespace lumivox {

// The object a window was created for (CreateWindowExW's last argument): kept
// with the window from WM_NCCREATE on, so the window procedure finds it.
// Nothing before that message.
template <typename Owner>
Owner* windowOwner(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace lumivox
