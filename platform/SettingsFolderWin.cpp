#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>

#include "platform/SettingsFolder.h"
#include "common/Unicode.h"

namespace lumivox {
namespace {

std::string fromWide(const wchar_t* wide) {
  return utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide)));
}

}  // namespace

std::string userSettingsFolder() {
  std::string roaming;
  PWSTR known = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known)) && known && *known)
    roaming = fromWide(known);
  CoTaskMemFree(known);
  if (roaming.empty())
    if (const wchar_t* variable = _wgetenv(L"APPDATA"); variable && *variable) roaming = fromWide(variable);
  if (roaming.empty()) return {};
  if (roaming.back() != '\\' && roaming.back() != '/') roaming += '\\';
  return roaming + "Lumivox";
}

}  // namespace lumivox
