// The counter page's text: any bytes give text no longer than the page, with
// single spaces between words and none at either end; a page of valid UTF-8
// gives valid UTF-8 without a no-break space (tags and references end on
// ASCII, so no character is cut). A run that takes too long is a finding.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/Utf8Check.h"

#include "info/PageText.h"

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
