// Stands in for the game in launch tests: writes "ED6_WIN2.started" beside
// itself, holding the show mode it was started with and its working
// directory (UTF-8), one a line, and ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showMode) {
  wchar_t path[MAX_PATH + 32];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  while (length > 0 && path[length - 1] != L'\\') --length;
  lstrcpyW(path + length, L"ED6_WIN2.started");

  wchar_t folder[MAX_PATH];
  const DWORD folderLength = GetCurrentDirectoryW(MAX_PATH, folder);
  if (folderLength == 0 || folderLength >= MAX_PATH) return 1;
  char text[4 * MAX_PATH + 64];
  int size = wsprintfA(text, "show=%d\r\ndir=", showMode);
  const int folderBytes =
      WideCharToMultiByte(CP_UTF8, 0, folder, static_cast<int>(folderLength), text + size, 4 * MAX_PATH, nullptr, nullptr);
  if (folderBytes == 0) return 1;
  size += folderBytes;
  text[size++] = '\r';
  text[size++] = '\n';

  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, text, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
  return 0;
}
