#include "library/IniLines.h"

#include <cstring>

#include "common/Blanks.h"

namespace lumivox {
namespace {

std::string_view unquote(std::string_view s) {
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

}  // namespace

IniLine lineAt(std::string_view bytes, std::size_t start) {
  const char* base = bytes.data();
  const void* lf = std::memchr(base + start, '\n', bytes.size() - start);
  IniLine line;
  line.start = start;
  line.next = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - base) + 1 : bytes.size();
  const std::size_t end = lf ? line.next - 1 : line.next;  // without the LF
  line.contentEnd = (end > start && base[end - 1] == '\r') ? end - 1 : end;

  const std::string_view text = trimSpacesAndTabs(bytes.substr(start, line.contentEnd - start));
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.rfind(']');
    if (close != std::string_view::npos) {
      line.kind = IniLine::Kind::Section;
      line.name = trimSpacesAndTabs(text.substr(1, close - 1));
      return line;
    }
    // "[name" without its bracket is no section; it may still be "key=value".
  }
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return line;
  line.name = trimSpacesAndTabs(text.substr(0, equals));
  if (line.name.empty()) return line;
  line.kind = IniLine::Kind::Key;
  line.afterEquals = static_cast<std::size_t>(text.data() - base) + equals + 1;
  line.value = unquote(trimSpacesAndTabs(text.substr(equals + 1)));
  return line;
}

bool IniLineReader::next(IniLine& line) {
  if (pos_ >= bytes_.size()) return false;
  line = lineAt(bytes_, pos_);
  pos_ = line.next;
  ++lineNumber_;
  return true;
}

}  // namespace lumivox
