#include "platform/RegistryWin.h"

#include <windows.h>

#include "platform/TextCodec.h"

namespace lumivox {
namespace {

class WindowsRegistryKey final : public RegistryKey {
 public:
  explicit WindowsRegistryKey(HKEY key) : key_(key) {}
  ~WindowsRegistryKey() override { RegCloseKey(key_); }
  WindowsRegistryKey(const WindowsRegistryKey&) = delete;
  WindowsRegistryKey& operator=(const WindowsRegistryKey&) = delete;

  std::optional<ValueInfo> queryInfo(const std::string& valueName) override {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key_, utf8ToGbk(valueName).c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    return ValueInfo{type, size};
  }

  std::optional<std::uint32_t> queryData(const std::string& valueName, char* buffer, std::uint32_t capacity) override {
    // The registry writes at most `size` bytes and fails when the data is
    // longer, so it never writes past the buffer.
    DWORD type = 0, size = capacity;
    if (RegQueryValueExA(key_, utf8ToGbk(valueName).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS)
      return std::nullopt;
    return size;
  }

 private:
  HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> WindowsRegistry::openKey(std::uint32_t root, const std::string& path) {
  HKEY key = nullptr;
  const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
  if (RegOpenKeyExA(rootKey, utf8ToGbk(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
  return std::make_unique<WindowsRegistryKey>(key);
}

}  // namespace lumivox
