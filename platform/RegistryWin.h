#pragma once
#include "platform/Registry.h"

namespace lumivox {

// The Windows registry through its Unicode calls (RegOpenKeyExW with
// KEY_READ, RegQueryValueExW, RegCloseKey), its text answered in GBK as the
// ANSI calls of a Chinese system would: a game's set-up wrote its folder in
// that code page, and this system's own may be another one (or UTF-8).
class WindowsRegistry final : public Registry {
 public:
  std::unique_ptr<RegistryKey> openKey(std::uint32_t root, const std::string& path) override;
};

}  // namespace lumivox
