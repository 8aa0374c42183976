// Lumivox.exe: the Windows program.
#include <windows.h>
#include <commctrl.h>

#include "platform/SingleInstanceWin.h"
#include "win32/IndexWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  // Held for the whole run, so that a copy started later finds this one.
  lumivox::WindowsSingleInstance singleInstance;

  lumivox::IndexWindow window(instance);
  if (!window.create()) return 1;
  ShowWindow(window.handle(), showMode);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
