#include "platform/RegistryWin.h"

#include <windows.h>

#include "platform/WideTextWin.h"

namespace lumivox {
namespace {

class WindowsRegistryKey final : public StoredValueKey {
 public:
  explicit WindowsRegistryKey(HKEY key) : key_(key) {}
  ~WindowsRegistryKey() override { RegCloseKey(key_); }
  WindowsRegistryKey(const WindowsRegistryKey&) = delete;
  WindowsRegistryKey& operator=(const WindowsRegistryKey&) = delete;

 private:
  std::optional<StoredRegistryValue> read(const std::string& valueName) override {
    const std::wstring name = utf8ToWide(valueName);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    StoredRegistryValue value{type, std::string(size, '\0')};
    // A value that grew in between does not fit and reads as nothing.
    if (size > 0 && RegQueryValueExW(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data.data()),
                                     &size) != ERROR_SUCCESS)
      return std::nullopt;
    value.type = type;
    value.data.resize(size);
    return value;
  }

  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> WindowsRegistry::openKey(std::uint32_t root, const std::string& path) {
  HKEY key = nullptr;
  const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
  if (RegOpenKeyExW(rootKey, utf8ToWide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<WindowsRegistryKey>(key);
}

}  // namespace lumivox
