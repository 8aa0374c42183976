#include "common/Excerpt.h"

#include "common/Unicode.h"

namespace lumivox {
namespace {

constexpr std::size_t kExcerptCharacters = 40;

}  // namespace

std::string excerpt(std::string_view utf8) {
  std::string out;
  std::size_t characters = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    if (characters++ == kExcerptCharacters) {
      out += "…";
      break;
    }
    const std::size_t start = at;
    const char32_t c = decodeUtf8At(utf8, at);
    if (c < 0x20 || c == 0x7F) {
      static const char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else if (c == 0xFFFD && at - start == 1) {
      out += "\xEF\xBF\xBD";  // a broken byte stays visible as one
    } else {
      out.append(utf8.substr(start, at - start));
    }
  }
  return out;
}

}  // namespace lumivox
