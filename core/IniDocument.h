#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumivox {

// Beyond this an initialisation file is not one of ours: it is treated as
// unreadable rather than read into memory.
inline constexpr std::size_t kMaxIniFileBytes = std::size_t{512} * 1024 * 1024;

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

  const std::string& bytes() const { return bytes_; }

 private:
  // Not noexcept on purpose: libstdc++ then keeps each key's hash, so
  // growing the table does not hash every key again.
  struct NameHash {
    std::size_t operator()(std::string_view name) const;
  };
  struct NameEqual {
    bool operator()(std::string_view a, std::string_view b) const noexcept;
  };

  // A section's keys. Libraries are long runs of line numbers "0", "1", ...:
  // those live in a vector indexed by the number; other keys in a table.
  struct Keys {
    std::vector<std::string_view> numbered;  // a null view: no such key
    std::unordered_map<std::string_view, std::string_view, NameHash, NameEqual> named;
  };

  // Numbers below this go to the vector; fixed before parsing, from the line
  // count, so a far-off number cannot make the vector huge.
  std::size_t numberLimit_ = 0;
  const std::string bytes_;
  std::unordered_map<std::string_view, Keys, NameHash, NameEqual> sections_;

  std::optional<std::size_t> lineNumberKey(std::string_view key) const;
};

}  // namespace lumivox
