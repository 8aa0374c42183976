#include "core/IniDocument.h"

#include <algorithm>

#include "core/IniLines.h"

namespace lumivox {

std::size_t IniDocument::NameHash::operator()(std::string_view name) const {
  std::size_t hash = 1469598103934665603ull;  // FNV-1a over the lower-case bytes
  for (char c : name) {
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    hash = (hash ^ static_cast<unsigned char>(lower)) * 1099511628211ull;
  }
  return hash;
}

bool IniDocument::NameEqual::operator()(std::string_view a, std::string_view b) const noexcept {
  return equalsIgnoringAsciiCase(a, b);
}

// "0" or a decimal number without a leading zero, below the limit.
std::optional<std::size_t> IniDocument::lineNumberKey(std::string_view key) const {
  if (key.empty() || key.size() > 9 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  std::size_t number = 0;
  for (char c : key) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::size_t>(c - '0');
  }
  if (number >= numberLimit_) return std::nullopt;
  return number;
}

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) {
  const auto lines = static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1;
  numberLimit_ = 2 * lines + 16;

  Keys* current = nullptr;  // null before the first section and inside a repeated one
  IniLineReader reader(bytes_);
  IniLine line;
  while (reader.next(line)) {
    if (line.kind == IniLine::Kind::Section) {
      auto [it, inserted] = sections_.try_emplace(line.name);
      current = inserted ? &it->second : nullptr;
    } else if (line.kind == IniLine::Kind::Key && current) {
      // The value points into the bytes, so it is never a null view, even
      // when it is empty; a null view marks a missing line number.
      const std::string_view value = line.value;
      if (const auto number = lineNumberKey(line.name)) {
        if (current->numbered.size() <= *number) current->numbered.resize(*number + 1);
        if (!current->numbered[*number].data()) current->numbered[*number] = value;
      } else {
        current->named.try_emplace(line.name, value);
      }
    }
  }
}

std::optional<std::string_view> IniDocument::find(std::string_view section, std::string_view key) const {
  const auto s = sections_.find(section);
  if (s == sections_.end()) return std::nullopt;
  const Keys& keys = s->second;
  if (const auto number = lineNumberKey(key)) {
    if (*number < keys.numbered.size() && keys.numbered[*number].data()) return keys.numbered[*number];
    return std::nullopt;
  }
  const auto k = keys.named.find(key);
  if (k == keys.named.end()) return std::nullopt;
  return k->second;
}

}  // namespace lumivox
