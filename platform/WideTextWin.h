#pragma once
#include <string>
#include <string_view>

#include "common/Unicode.h"

namespace lumivox {

// UTF-8 as the wide text of the Windows calls (UTF-16).
inline std::wstring utf8ToWide(std::string_view utf8) {
  const std::u16string text = utf8ToUtf16(utf8);
  return std::wstring(text.begin(), text.end());
}

}  // namespace lumivox
