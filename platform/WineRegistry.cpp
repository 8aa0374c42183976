#include "platform/WineRegistry.h"

#include "platform/FileRead.h"
#include "platform/WineRegistryFile.h"

namespace lumivox {
namespace {

// The key of an opened file: a value is looked for in the file's text.
class WineRegistryKey final : public StoredValueKey {
 public:
  WineRegistryKey(std::string fileText, std::string keyPath)
      : fileText_(std::move(fileText)), keyPath_(std::move(keyPath)) {}

 private:
  std::optional<StoredRegistryValue> read(const std::string& valueName) override {
    return findWineRegistryValue(fileText_, keyPath_, valueName);
  }

  std::string fileText_, keyPath_;
};

}  // namespace

WineRegistry::WineRegistry(std::string prefixFolder) : userRegistryFile_(std::move(prefixFolder) + "/user.reg") {}

std::unique_ptr<RegistryKey> WineRegistry::openKey(std::uint32_t root, const std::string& path) {
  if (root != kHkeyCurrentUser) return nullptr;
  std::string text;
  try {
    text = readWholeFile(userRegistryFile_, kMaxFileBytes);
  } catch (const FileError&) {
    return nullptr;
  }
  if (!hasWineRegistryKey(text, path)) return nullptr;
  return std::make_unique<WineRegistryKey>(std::move(text), path);
}

}  // namespace lumivox
