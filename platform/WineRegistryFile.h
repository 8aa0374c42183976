#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace lumivox {

// A value as a Wine registry file stores it, text with the terminator the
// file implies.
using WineRegistryValue = StoredRegistryValue;

// What follows reads the text of a registry file in the format Wine keeps
// (user.reg): "[key\\path]" sections of "name"=data lines, as Wine reads it.
// A key path is relative to the file's root, with backslashes between the
// names; names compare without regard to the case of ASCII letters. A file
// without Wine's header line holds nothing (Wine would not load it).

// Whether the file holds the key or a key below it (a key that only has
// subkeys is not written out on its own).
bool hasWineRegistryKey(std::string_view fileText, std::string_view keyPath);

// The value of that name in the key: a malformed value line leaves a value
// of no type and no data, a malformed section header drops the values below
// it, and for a value given twice the later one counts. Nothing when the key
// does not hold it. Only that value is kept while the file is read.
std::optional<WineRegistryValue> findWineRegistryValue(std::string_view fileText, std::string_view keyPath,
                                                       std::string_view valueName);

}  // namespace lumivox
