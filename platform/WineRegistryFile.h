#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace lumivox {

// A value as a Wine registry file stores it: its type and raw data, text as
// UTF-16LE with the terminator the file implies.
struct WineRegistryValue {
  std::uint32_t type = kRegNone;
  std::string data;
};

// The values of one key, by name folded to lower case (ASCII letters only).
using WineRegistryValues = std::map<std::u16string, WineRegistryValue>;

// Names in the registry compare without regard to the case of ASCII letters.
std::u16string foldRegistryName(std::u16string name);

// Finds a key in the text of a registry file in the format Wine keeps
// (user.reg): "[key\\path]" sections of "name"=data lines. The key path is
// relative to the file's root, with backslashes between the names. Nothing
// when the text is not such a file or holds neither the key nor a key below
// it (a key that only has subkeys is not written out on its own).
// Follows Wine's reading of the file: a malformed value line leaves a value
// of no type and no data, a malformed section header drops the values below
// it, and for a value given twice the later one counts.
std::optional<WineRegistryValues> findWineRegistryKey(std::string_view fileText, std::string_view keyPath);

}  // namespace lumivox
