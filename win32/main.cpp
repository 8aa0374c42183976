// Lumivox.exe: the Windows program.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "platform/ClipboardWin.h"
#include "platform/KeyWatchWin.h"
#include "platform/ProgramStartWin.h"
#include "platform/RegistryWin.h"
#include "platform/SingleInstanceWin.h"
#include "platform/WindowFocusWin.h"
#include "win32/CheckReportWindow.h"
#include "win32/FormWindow.h"
#include "win32/IndexWindow.h"
#include "win32/LinesWindow.h"
#include "win32/Win32Prompter.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showMode) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_HOTKEY_CLASS | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);  // the show window's picture is decoded through OLE

  // Held for the whole run, so that a copy started later finds this one.
  lumivox::WindowsSingleInstance singleInstance;
  lumivox::Win32Prompter prompter;
  lumivox::AsyncKeyStateWatch keys;
  lumivox::WindowsClipboard clipboard;
  lumivox::WindowsRegistry registry;
  lumivox::WindowsProgramStarter programs;
  lumivox::WinWindowFocus windowFocus;
  lumivox::UserSettings settings(lumivox::UserSettings::defaultPath());

  lumivox::MainServices services;
  services.prompter = &prompter;
  services.keys = &keys;
  services.clipboard = &clipboard;
  services.registry = &registry;
  services.programs = &programs;
  services.settings = &settings;
  services.windowFocus = &windowFocus;
  services.anotherInstanceRunning = [&singleInstance] { return singleInstance.anotherInstanceRunning(); };
  // At once: no tick, box or window may follow, and nothing is saved.
  services.endProgram = [] { ExitProcess(0); };

  lumivox::IndexWindow window(instance, services);
  if (!window.create()) return 1;
  prompter.setMainWindow(window.handle());
  ShowWindow(window.handle(), showMode);
  window.controller().onShown();
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The shortcuts belong to the main window, not to the program's other windows.
    const bool forMain = message.hwnd == window.handle() || IsChild(window.handle(), message.hwnd);
    if (forMain && TranslateAcceleratorW(window.handle(), window.accelerators(), &message)) continue;
    if (lumivox::FormWindow::translateKeys(message)) continue;
    if (lumivox::LinesWindow::translateKeys(message)) continue;
    if (lumivox::CheckReportWindow::translateKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
