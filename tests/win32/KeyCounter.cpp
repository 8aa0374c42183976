// Counts presses of a key (Space unless a virtual-key code follows the file)
// with the Windows key watch on a 20 ms timer, as the main window does,
// whichever window has the focus, and writes the count to the file named on
// its command line after each press. Runs until ended.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "platform/KeyWatchWin.h"

namespace {

lumivox::AsyncKeyStateWatch keys;
const wchar_t* countFile = nullptr;
int watchedKey = lumivox::vk::Space;
int count = 0;

void writeCount() {
  FILE* file = _wfopen(countFile, L"wb");
  if (!file) return;
  std::fprintf(file, "%d\n", count);
  std::fclose(file);
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!keys.pressedSinceLastAsked(watchedKey)) return;
  ++count;
  writeCount();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 && argc != 3) return 2;
  countFile = argv[1];
  if (argc == 3) watchedKey = static_cast<int>(std::wcstol(argv[2], nullptr, 0));
  keys.forgetPresses();
  writeCount();
  SetTimer(nullptr, 0, 20, tick);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
