// Stands in for the game in the end-to-end tests: a window titled
// "FocusGame" that takes the keyboard focus and keeps it until it is closed.
// It cannot be maximized: two quick clicks on its title bar, as the test
// makes to give it the focus, would otherwise cover Lumivox with it.
#include <windows.h>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"LumivoxFocusGame";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"LumivoxFocusGame", L"FocusGame", (WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX) | WS_VISIBLE, 300, 40, 400, 300,
                              nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  SetForegroundWindow(window);
  SetFocus(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
