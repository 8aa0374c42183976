#include "platform/Registry.h"

#include <cstring>

#include "platform/TextCodec.h"
#include "common/Unicode.h"

namespace lumivox {
namespace {

bool isText(std::uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

std::string ansiData(const StoredRegistryValue& value) {
  if (!isText(value.type)) return value.data;
  std::u16string text;
  text.reserve(value.data.size() / 2);
  for (std::size_t i = 0; i + 1 < value.data.size(); i += 2)
    text += static_cast<char16_t>(static_cast<unsigned char>(value.data[i]) |
                                  static_cast<unsigned char>(value.data[i + 1]) << 8);
  return utf8ToGbk(utf16ToUtf8(text));
}

}  // namespace

std::optional<RegistryKey::ValueInfo> StoredValueKey::queryInfo(const std::string& valueName) {
  const auto* value = find(valueName);
  if (!value) return std::nullopt;
  return ValueInfo{value->type, static_cast<std::uint32_t>(value->data.size())};
}

std::optional<std::uint32_t> StoredValueKey::queryData(const std::string& valueName, char* buffer,
                                                       std::uint32_t capacity) {
  const auto* value = find(valueName);
  if (!value) return std::nullopt;
  if (value->data.size() > capacity) return std::nullopt;
  // The value's bytes as the registry holds them, not a C string: the size says where they end.
  if (!value->data.empty()) std::memcpy(buffer, value->data.data(), value->data.size());  // NOLINT(bugprone-not-null-terminated-result)
  return static_cast<std::uint32_t>(value->data.size());
}

const StoredRegistryValue* StoredValueKey::find(const std::string& valueName) {
  if (valueName != askedName_ || !asked_) {
    asked_ = true;
    askedName_ = valueName;
    answer_ = read(valueName);
    if (answer_) answer_->data = ansiData(*answer_);
  }
  return answer_ ? &*answer_ : nullptr;
}

}  // namespace lumivox
