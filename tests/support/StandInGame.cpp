// Stands in for the game in launch tests: writes "ED6_WIN2.started" beside
// itself, holding the show mode it was started with, and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showMode) {
  wchar_t path[MAX_PATH + 32];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  while (length > 0 && path[length - 1] != L'\\') --length;
  lstrcpyW(path + length, L"ED6_WIN2.started");
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  char text[32];
  const int size = wsprintfA(text, "show=%d\r\n", showMode);
  DWORD written = 0;
  WriteFile(file, text, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
  return 0;
}
