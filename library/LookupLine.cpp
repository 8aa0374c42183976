#include "library/LookupLine.h"

#include <algorithm>

#include "library/IniCache.h"
#include "library/IniDocument.h"
#include "platform/TextCodec.h"

namespace lumivox {
namespace {

// Section names and line numbers are ASCII, which is the same in GBK.
std::string toFileCodePage(std::string_view utf8) {
  const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? std::string(utf8) : utf8ToGbk(utf8);
}

}  // namespace

std::string LookupLine(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view fallback) {
  try {
    std::string fallbackBytes;
    std::string_view bytes;
    const auto document = IniCache::shared().document(path);
    const auto found = document ? document->find(toFileCodePage(section), toFileCodePage(key)) : std::nullopt;
    if (found) {
      bytes = *found;
    } else {
      fallbackBytes = utf8ToGbk(fallback, kMaxValueBytes);
      bytes = fallbackBytes;
    }
    return shownText(bytes);
  } catch (const std::exception&) {
    return std::string(fallback);
  }
}

std::string_view shownBytes(std::string_view valueBytes) {
  valueBytes = valueBytes.substr(0, kMaxValueBytes);
  return valueBytes.substr(0, valueBytes.find('\0'));
}

std::string shownText(std::string_view valueBytes) { return gbkToUtf8(shownBytes(valueBytes)); }

}  // namespace lumivox
