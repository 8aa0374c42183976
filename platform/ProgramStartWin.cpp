#include "platform/ProgramStartWin.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/Utf16.h"

namespace lumivox {
namespace {

std::wstring wide(const std::string& utf8) {
  const std::u16string text = utf8ToUtf16(utf8);
  return std::wstring(text.begin(), text.end());
}

}  // namespace

bool WindowsProgramStarter::start(const std::string& program, const std::string& folder) {
  const std::wstring file = wide(program), directory = wide(folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;  // the caller says what went wrong
  info.lpFile = file.c_str();
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = SW_SHOWMINNOACTIVE;
  return ShellExecuteExW(&info) != FALSE;
}

}  // namespace lumivox
