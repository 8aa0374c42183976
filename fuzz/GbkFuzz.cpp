// The GBK codec: decoding any bytes gives valid UTF-8; encoding any bytes
// never fails; and text decoded whole decodes the same after a round trip
// through GBK (what was shown stays what is shown).

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/TextCodec.h"

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
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = lumivox::gbkToUtf8(bytes);
  if (!validUtf8(text)) std::abort();
  // Bytes that were no GBK show as U+FFFD, which GBK cannot hold: only
  // text decoded whole must survive the round trip.
  if (text.find("\xEF\xBF\xBD") == std::string::npos && lumivox::gbkToUtf8(lumivox::utf8ToGbk(text)) != text)
    std::abort();
  const std::string encoded = lumivox::utf8ToGbk(bytes);  // arbitrary bytes as UTF-8: never fails
  if (!validUtf8(lumivox::gbkToUtf8(encoded))) std::abort();
  return 0;
}
