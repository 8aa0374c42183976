#include "win32/ScreenCentre.h"

namespace lumivox {

void centreOnScreen(HWND window) {
  RECT frame, screen;
  GetWindowRect(window, &frame);
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0))
    screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, screen.left + (screen.right - screen.left - width) / 2,
               screen.top + (screen.bottom - screen.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace lumivox
