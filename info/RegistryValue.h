#pragma once
#include <cstdint>
#include <string>

namespace lumivox {

class Registry;
class RegistryKey;

// A registry value as text. Only a key that cannot be opened gives the
// default; a missing or unreadable value gives empty text.
std::string ReadRegistryValue(Registry& registry, std::uint32_t root, const std::string& keyPath,
                              const std::string& valueName, const std::string& defaultText);

// A value of an open key as text: a plain string up to its first NUL (empty
// when it has none); any other type as the signed 32-bit integer held in its
// data of at most 4 bytes (empty when the data is longer); empty text when
// the value cannot be read.
std::string QueryRegistryValue(RegistryKey& key, const std::string& valueName);

}  // namespace lumivox
