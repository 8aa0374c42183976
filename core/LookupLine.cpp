#include "core/LookupLine.h"

#include "core/IniCache.h"
#include "core/IniDocument.h"
#include "platform/TextCodec.h"

namespace lumivox {

std::string LookupLine(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view fallback) {
  try {
    std::string fallbackBytes;
    std::string_view bytes;
    const auto document = IniCache::shared().document(path);
    const auto found = document ? document->find(utf8ToGbk(section), utf8ToGbk(key)) : std::nullopt;
    if (found) {
      bytes = *found;
    } else {
      fallbackBytes = utf8ToGbk(fallback);
      bytes = fallbackBytes;
    }
    bytes = bytes.substr(0, kMaxValueBytes);
    bytes = bytes.substr(0, bytes.find('\0'));
    return gbkToUtf8(bytes);
  } catch (const std::exception&) {
    return std::string(fallback);
  }
}

}  // namespace lumivox
