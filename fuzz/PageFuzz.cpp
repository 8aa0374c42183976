// The counter page's text: any bytes give text no longer than the page, with
// single spaces between words and none at either end; a page of valid UTF-8
// gives valid UTF-8 without a no-break space (tags and references end on
// ASCII, so no character is cut). A run that takes too long is a finding.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "info/PageText.h"

namespace {

bool validUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > s.size()) return false;
    std::uint32_t code = length == 1 ? c : c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) return false;
      code = (code << 6) | (t & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view page(reinterpret_cast<const char*>(data), size);
  const std::string text = lumivox::pageText(page);
  if (text.size() > page.size()) std::abort();
  if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) std::abort();
  if (text.find("  ") != std::string::npos || text.find_first_of("\t\r\n\f") != std::string::npos) std::abort();
  // Broken UTF-8 may put bytes together that were apart in the page.
  if (validUtf8(page) && (!validUtf8(text) || text.find("\xC2\xA0") != std::string::npos)) std::abort();
  return 0;
}
