// Counts presses of Space with the Windows key watch on a 20 ms timer, as
// the main window does, whichever window has the focus, and writes the count
// to the file named on its command line after each press. Runs until ended.
#include <windows.h>

#include <cstdio>

#include "platform/KeyWatchWin.h"

namespace {

lumivox::AsyncKeyStateWatch keys;
const wchar_t* countFile = nullptr;
int count = 0;

void writeCount() {
  FILE* file = _wfopen(countFile, L"wb");
  if (!file) return;
  std::fprintf(file, "%d\n", count);
  std::fclose(file);
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!keys.pressedSinceLastAsked(lumivox::vk::Space)) return;
  ++count;
  writeCount();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  countFile = argv[1];
  keys.forgetPresses();
  writeCount();
  SetTimer(nullptr, 0, 20, tick);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
