#pragma once
#include <windows.h>

namespace lumivox {

// What a window class of the program looks like: top-level windows carry the
// program's icon and the dialog face; controls and hidden windows paint
// themselves or nothing.
enum class ClassLook { TopLevel, Plain };

// Registers a window class of the program. A class registered already (a
// window opened a second time) counts as registered.
inline bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, ClassLook look) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  if (look == ClassLook::TopLevel) {
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace lumivox
