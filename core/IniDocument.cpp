#include "core/IniDocument.h"

#include "core/IniLines.h"

namespace lumivox {

std::size_t IniDocument::NameHash::operator()(std::string_view name) const noexcept {
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

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) {
  Keys* current = nullptr;  // null before the first section and inside a repeated one
  IniLineReader reader(bytes_);
  IniLine line;
  while (reader.next(line)) {
    if (line.kind == IniLine::Kind::Section) {
      auto [it, inserted] = sections_.try_emplace(line.name);
      current = inserted ? &it->second : nullptr;
    } else if (line.kind == IniLine::Kind::Key && current) {
      current->try_emplace(line.name, line.value);
    }
  }
}

std::optional<std::string_view> IniDocument::find(std::string_view section, std::string_view key) const {
  const auto s = sections_.find(section);
  if (s == sections_.end()) return std::nullopt;
  const auto k = s->second.find(key);
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

}  // namespace lumivox
