#include "platform/WineRegistry.h"

#include <cstring>

#include "platform/FileRead.h"
#include "platform/TextCodec.h"
#include "platform/Utf16.h"
#include "platform/WineRegistryFile.h"

namespace lumivox {
namespace {

bool isText(std::uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

// Text data in the ANSI code page, as the ANSI calls convert it; an odd
// last byte is half a character and dropped.
std::string ansiData(const WineRegistryValue& value) {
  if (!isText(value.type)) return value.data;
  std::u16string text;
  text.reserve(value.data.size() / 2);
  for (std::size_t i = 0; i + 1 < value.data.size(); i += 2)
    text += static_cast<char16_t>(static_cast<unsigned char>(value.data[i]) |
                                  static_cast<unsigned char>(value.data[i + 1]) << 8);
  return utf8ToGbk(utf16ToUtf8(text));
}

// The key of an opened file. A value is looked for at its first query, and
// kept in the ANSI code page for the next query of the same name.
class WineRegistryKey final : public RegistryKey {
 public:
  WineRegistryKey(std::string fileText, std::string keyPath)
      : fileText_(std::move(fileText)), keyPath_(std::move(keyPath)) {}

  std::optional<ValueInfo> queryInfo(const std::string& valueName) override {
    const auto* value = find(valueName);
    if (!value) return std::nullopt;
    return ValueInfo{value->type, static_cast<std::uint32_t>(value->data.size())};
  }

  std::optional<std::uint32_t> queryData(const std::string& valueName, char* buffer, std::uint32_t capacity) override {
    const auto* value = find(valueName);
    if (!value) return std::nullopt;
    if (value->data.size() > capacity) return std::nullopt;
    // The value's bytes as the registry holds them, not a C string: the size says where they end.
    if (!value->data.empty()) std::memcpy(buffer, value->data.data(), value->data.size());  // NOLINT(bugprone-not-null-terminated-result)
    return static_cast<std::uint32_t>(value->data.size());
  }

 private:
  const WineRegistryValue* find(const std::string& valueName) {
    if (valueName != askedName_ || !asked_) {
      asked_ = true;
      askedName_ = valueName;
      answer_ = findWineRegistryValue(fileText_, keyPath_, valueName);
      if (answer_) answer_->data = ansiData(*answer_);
    }
    return answer_ ? &*answer_ : nullptr;
  }

  std::string fileText_, keyPath_;
  bool asked_ = false;
  std::string askedName_;
  std::optional<WineRegistryValue> answer_;  // its data in the ANSI code page
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
