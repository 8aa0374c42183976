#pragma once
#include <cstddef>
#include <string>

#include "platform/Registry.h"

namespace lumivox {

// The registry of a Wine prefix, read from the prefix's user.reg, where Wine
// keeps the current user's keys and a game's set-up leaves its values. Only
// the current user's root is there; a missing prefix or file, or one Wine
// would not load, means a key that cannot be opened. Text values come back
// in GBK as the ANSI registry calls give them.
class WineRegistry final : public Registry {
 public:
  // A user.reg larger than this is not read.
  static constexpr std::size_t kMaxFileBytes = 64u * 1024 * 1024;

  explicit WineRegistry(std::string prefixFolder);
  std::unique_ptr<RegistryKey> openKey(std::uint32_t root, const std::string& path) override;

 private:
  std::string userRegistryFile_;
};

}  // namespace lumivox
