#pragma once
#include "platform/Registry.h"

namespace lumivox {

// The Windows registry through its ANSI calls: RegOpenKeyExA (KEY_READ),
// RegQueryValueExA, RegCloseKey.
class WindowsRegistry final : public Registry {
 public:
  std::unique_ptr<RegistryKey> openKey(std::uint32_t root, const std::string& path) override;
};

}  // namespace lumivox
