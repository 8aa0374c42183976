#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/Console.h"
#include "common/Unicode.h"

namespace lumivox {

std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; wide && i < count; ++i) arguments.push_back(utf16ToUtf8(reinterpret_cast<const char16_t*>(wide[i])));
  LocalFree(wide);
  return arguments;
}

void writeConsole(ConsoleStream stream, std::string_view utf8) {
  HANDLE handle = GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::u16string wide = utf8ToUtf16(utf8);
    for (std::size_t done = 0; done < wide.size();) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
      if (!WriteConsoleW(handle, wide.data() + done, chunk, &written, nullptr) || written == 0) return;
      done += written;
    }
    return;
  }
  for (std::size_t done = 0; done < utf8.size();) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(utf8.size() - done, 1 << 20));
    if (!WriteFile(handle, utf8.data() + done, chunk, &written, nullptr) || written == 0) return;
    done += written;
  }
}

}  // namespace lumivox
