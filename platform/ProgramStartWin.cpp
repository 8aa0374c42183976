#include "platform/ProgramStartWin.h"

#include <windows.h>

#include "platform/TextCodec.h"

namespace lumivox {

bool WindowsProgramStarter::start(const std::string& commandLine) {
  // CreateProcessA may write into the command line it is given.
  std::string line = utf8ToGbk(commandLine);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace lumivox
