#include "info/RegistryValue.h"

#include "platform/Registry.h"
#include "platform/TextCodec.h"

namespace lumivox {

std::string ReadRegistryValue(Registry& registry, std::uint32_t root, const std::string& keyPath,
                              const std::string& valueName, const std::string& defaultText) {
  const std::unique_ptr<RegistryKey> key = registry.openKey(root, keyPath);
  if (!key) return defaultText;
  return QueryRegistryValue(*key, valueName);
}

std::string QueryRegistryValue(RegistryKey& key, const std::string& valueName) {
  const auto info = key.queryInfo(valueName);
  if (!info) return {};

  if (info->type == kRegSz) {
    // Whatever the query leaves unwritten stays NUL and so ends the text.
    std::string buffer(info->size, '\0');
    if (!key.queryData(valueName, buffer.data(), info->size)) return {};
    const std::size_t end = buffer.find('\0');
    if (end == std::string::npos) return {};  // stored without its terminator
    buffer.resize(end);
    return gbkToUtf8(buffer);
  }

  // The integer's own four bytes are all the query may fill: longer data
  // does not fit and reads as nothing.
  unsigned char bytes[4] = {};
  if (!key.queryData(valueName, reinterpret_cast<char*>(bytes), sizeof bytes)) return {};
  const std::uint32_t bits = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                             static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  return std::to_string(static_cast<std::int32_t>(bits));
}

}  // namespace lumivox
