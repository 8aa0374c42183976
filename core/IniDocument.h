#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lumivox {

// A parsed initialisation file: its bytes and an index of the first
// occurrence of every section and, within it, of every key. Names match
// without regard to ASCII case. The index points into the bytes, so a
// document is neither copied nor moved.
class IniDocument {
 public:
  explicit IniDocument(std::string bytes);
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;

  // The value's bytes as they stand in the file (trimmed, unquoted, not cut).
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

  std::size_t byteSize() const { return bytes_.size(); }

 private:
  struct NameHash {
    std::size_t operator()(std::string_view name) const noexcept;
  };
  struct NameEqual {
    bool operator()(std::string_view a, std::string_view b) const noexcept;
  };
  using Keys = std::unordered_map<std::string_view, std::string_view, NameHash, NameEqual>;

  const std::string bytes_;
  std::unordered_map<std::string_view, Keys, NameHash, NameEqual> sections_;
};

}  // namespace lumivox
