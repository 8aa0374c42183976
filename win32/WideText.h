#pragma once
#include <string>
#include <string_view>

#include "common/Unicode.h"

namespace lumivox {

// UTF-8 in the core, UTF-16 in the Windows API: converted at the edge.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 code units");

inline std::wstring toWide(std::string_view utf8) {
  const std::u16string utf16 = utf8ToUtf16(utf8);
  return {utf16.begin(), utf16.end()};
}

inline std::string fromWide(std::wstring_view wide) {
  return utf16ToUtf8({reinterpret_cast<const char16_t*>(wide.data()), wide.size()});
}

}  // namespace lumivox
