#include "common/FieldReader.h"

#include "common/Blanks.h"

namespace lumivox {
namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// Moves past one field terminator at pos (comma or line end), if any.
std::size_t skipTerminator(std::string_view s, std::size_t pos) {
  if (pos >= s.size()) return pos;
  if (s[pos] == ',') return pos + 1;
  if (s[pos] == '\r' && pos + 1 < s.size() && s[pos + 1] == '\n') return pos + 2;
  return pos + 1;
}

}  // namespace

std::vector<PlacedField> placedFields(std::string_view s) {
  std::vector<PlacedField> fields;
  std::size_t pos = 0;
  while (pos < s.size()) {
    while (pos < s.size() && isSpaceOrTab(s[pos])) ++pos;
    std::size_t end;
    if (pos < s.size() && s[pos] == '"') {
      const std::size_t close = s.find('"', pos + 1);
      const std::size_t valueEnd = close == std::string_view::npos ? s.size() : close;
      fields.push_back({std::string(s.substr(pos + 1, valueEnd - pos - 1)), pos});
      end = valueEnd == s.size() ? valueEnd : valueEnd + 1;
      while (end < s.size() && s[end] != ',' && !isLineEnd(s[end])) ++end;
    } else {
      end = pos;
      while (end < s.size() && s[end] != ',' && !isLineEnd(s[end])) ++end;
      fields.push_back({std::string(s.substr(pos, end - pos)), pos});
    }
    pos = skipTerminator(s, end);
  }
  return fields;
}

std::vector<std::string> splitFields(std::string_view content) {
  std::vector<std::string> texts;
  for (PlacedField& field : placedFields(content)) texts.push_back(std::move(field.text));
  return texts;
}

std::string lastField(std::string_view content) {
  auto fields = placedFields(content);
  return fields.empty() ? std::string() : std::move(fields.back().text);
}

}  // namespace lumivox
