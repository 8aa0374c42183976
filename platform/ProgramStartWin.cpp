#include "platform/ProgramStartWin.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/WideTextWin.h"

namespace lumivox {

bool WindowsProgramStarter::start(const std::string& program, const std::string& folder) {
  const std::wstring file = utf8ToWide(program), directory = utf8ToWide(folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;  // the caller says what went wrong
  info.lpFile = file.c_str();
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = SW_SHOWMINNOACTIVE;
  return ShellExecuteExW(&info) != FALSE;
}

}  // namespace lumivox
