// The GBK codec: decoding any bytes gives valid UTF-8; encoding any bytes
// never fails, and its beginning asked alone is the same; and text decoded
// whole decodes the same after a round trip through GBK (what was shown
// stays what is shown).

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/Utf8Check.h"

#include "platform/TextCodec.h"

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
  // The first bytes of a conversion, asked alone, are those of the whole one.
  for (const std::size_t maxBytes : {size % 7, encoded.size() / 2})
    if (lumivox::utf8ToGbk(bytes, maxBytes) != encoded.substr(0, maxBytes)) std::abort();
  return 0;
}
