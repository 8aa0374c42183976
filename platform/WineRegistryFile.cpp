#include "platform/WineRegistryFile.h"

#include <algorithm>
#include <array>

#include "common/Blanks.h"
#include "common/Unicode.h"

namespace lumivox {
namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";

// The longest path Windows has, in UTF-16 units.
constexpr std::size_t kMaxTextUnits = 32767;


// Names in the registry compare without regard to the case of ASCII letters.
std::u16string& foldRegistryName(std::u16string& name) {
  for (char16_t& unit : name)
    if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
  return name;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isCSpace(text[pos])) ++pos;
  return pos;
}

// The file line by line as Wine reads it: without the line end, and ending
// at a NUL byte.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}

  std::optional<std::string_view> next() {
    if (pos_ >= text_.size()) return std::nullopt;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos) line = line.substr(0, nul);
    return line;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Reads a name or text that Wine wrote with its escapes, from pos up to the
// closing character, into out (a buffer the caller reuses), and moves pos
// past that. False when the line ends before the closing character, or when
// the text grows past maxUnits.
bool readEscaped(std::string_view line, std::size_t& pos, char closing, std::u16string& out,
                 std::size_t maxUnits = std::u16string::npos) {
  static constexpr std::array<std::pair<char, char16_t>, 8> kControls{
      {{'a', u'\a'}, {'b', u'\b'}, {'e', u'\x1b'}, {'f', u'\f'}, {'n', u'\n'}, {'r', u'\r'}, {'t', u'\t'}, {'v', u'\v'}}};
  out.clear();
  while (pos < line.size() && line[pos] != closing) {
    if (out.size() > maxUnits) return false;
    if (line[pos] == '\\') {
      if (++pos >= line.size()) return false;
      const char c = line[pos];
      if (const auto* control = std::find_if(kControls.begin(), kControls.end(), [c](auto& e) { return e.first == c; });
          control != kControls.end()) {
        out += control->second;
        ++pos;
        continue;
      }
      if (c == 'x') {
        ++pos;
        char16_t unit = u'x';  // "\x" without digits is the letter
        if (pos < line.size() && hexDigit(line[pos]) >= 0) {
          unit = 0;
          for (int i = 0; i < 4 && pos < line.size() && hexDigit(line[pos]) >= 0; ++i, ++pos)
            unit = static_cast<char16_t>(unit * 16 + hexDigit(line[pos]));
        }
        out += unit;
        continue;
      }
      if (c >= '0' && c <= '7') {
        char16_t unit = 0;
        for (int i = 0; i < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7'; ++i, ++pos)
          unit = static_cast<char16_t>(unit * 8 + (line[pos] - '0'));
        out += unit;
        continue;
      }
      // Any other escaped character stands for itself, the closing one too.
    }
    if (static_cast<unsigned char>(line[pos]) < 0x80) out += static_cast<char16_t>(line[pos++]);
    else appendUtf16(out, decodeUtf8At(line, pos));
  }
  if (pos >= line.size()) return false;
  ++pos;
  return true;
}

std::string littleEndianBytes(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// A number as Wine reads "dword:" data: blanks, a sign, an optional "0x",
// hex digits; the low 32 bits of the result count.
std::optional<std::uint32_t> readDword(std::string_view text) {
  std::size_t i = skipBlanks(text, 0);
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') && hexDigit(text[i + 2]) >= 0)
    i += 2;
  if (i >= text.size() || hexDigit(text[i]) < 0) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < text.size() && hexDigit(text[i]) >= 0; ++i) {
    if (value > (UINT64_MAX >> 4)) return 0xFFFFFFFFu;  // saturates, as the C library does
    value = value * 16 + static_cast<std::uint64_t>(hexDigit(text[i]));
  }
  if (negative) value = 0 - value;
  return static_cast<std::uint32_t>(value);
}

// Comma-separated hex bytes; a backslash at the end of a line continues the
// list on the next one.
std::optional<std::string> readHexBytes(std::string_view text, Lines& lines) {
  std::string bytes;
  for (;;) {
    std::size_t i = 0;
    while (i < text.size() && hexDigit(text[i]) >= 0) {
      if (text[i] == '0' && i + 2 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
          hexDigit(text[i + 2]) >= 0)
        i += 2;
      unsigned value = 0;
      for (; i < text.size() && hexDigit(text[i]) >= 0; ++i) {
        value = value * 16 + static_cast<unsigned>(hexDigit(text[i]));
        if (value > 0xFF) return std::nullopt;
      }
      bytes += static_cast<char>(value);
      i = skipBlanks(text, i);
      if (i < text.size() && text[i] == ',') i = skipBlanks(text, i + 1);
    }
    i = skipBlanks(text, i);
    if (i == text.size()) return bytes;
    if (text[i] != '\\') return std::nullopt;
    const auto next = lines.next();
    if (!next) return std::nullopt;
    text = next->substr(skipBlanks(*next, 0));
  }
}

// The data after "name=": nothing when it is malformed.
std::optional<WineRegistryValue> readData(std::string_view text, Lines& lines) {
  static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 4> kTextTags{
      {{"\"", kRegSz}, {"str:\"", kRegSz}, {"str(2):\"", kRegExpandSz}, {"str(7):\"", kRegMultiSz}}};
  for (const auto& [tag, type] : kTextTags) {
    if (!text.starts_with(tag)) continue;
    std::size_t pos = tag.size();
    std::u16string content;
    const bool closed = readEscaped(text, pos, '"', content, kMaxTextUnits);
    // Longer than any path or text the program asks for: read as empty
    // rather than kept and converted at several times its size.
    if (content.size() > kMaxTextUnits) return WineRegistryValue{type, std::string(2, '\0')};
    if (!closed) return std::nullopt;
    content.push_back(u'\0');
    return WineRegistryValue{type, littleEndianBytes(content)};
  }
  if (text.starts_with("dword:")) {
    const auto dword = readDword(text.substr(6));
    if (!dword) return std::nullopt;
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((*dword >> (8 * i)) & 0xFF);
    return WineRegistryValue{kRegDword, bytes};
  }
  std::uint32_t type = kRegBinary;
  if (text.starts_with("hex:")) {
    text.remove_prefix(4);
  } else if (text.starts_with("hex(")) {
    std::size_t i = 4;
    type = 0;
    for (; i < text.size() && hexDigit(text[i]) >= 0; ++i) type = type * 16 + static_cast<std::uint32_t>(hexDigit(text[i]));
    if (text.substr(i, 2) != "):") return std::nullopt;
    text.remove_prefix(i + 2);
  } else {
    return std::nullopt;
  }
  auto bytes = readHexBytes(text, lines);
  if (!bytes) return std::nullopt;
  return WineRegistryValue{type, std::move(*bytes)};
}

// A value line of the wanted key: "name"=data or @=data for the default
// value. Once the name and "=" are read the value exists, even when its data
// turns out malformed. Only the wanted name's data is kept; hex data of any
// other is still read, for the lines it may continue on. name is a buffer.
void readValue(std::string_view line, Lines& lines, std::u16string_view wantedName, std::u16string& name,
               std::optional<WineRegistryValue>& value) {
  std::size_t pos = 1;
  name.clear();
  if (line[0] == '"' && !readEscaped(line, pos, '"', name)) return;
  pos = skipBlanks(line, pos);
  if (pos >= line.size() || line[pos] != '=') return;
  const std::string_view data = line.substr(skipBlanks(line, pos + 1));
  if (foldRegistryName(name) == wantedName) value = readData(data, lines).value_or(WineRegistryValue{});
  else if (data.starts_with("hex")) readData(data, lines);
}

// The wanted key path as the file spells key names: runs of backslashes
// between names count as one and trailing ones are dropped, as the registry
// does when it opens a key. A leading backslash is not a valid path.
std::optional<std::u16string> normalizedKeyPath(std::string_view keyPath) {
  if (keyPath.starts_with('\\')) return std::nullopt;
  std::u16string path;
  for (const char16_t unit : utf8ToUtf16(keyPath)) {
    if (unit == u'\\' && (path.empty() || path.back() == u'\\')) continue;
    path += unit;
  }
  if (!path.empty() && path.back() == u'\\') path.pop_back();
  foldRegistryName(path);
  return path;
}

// The file's lines after its header, when the key path is valid and the
// text is a file Wine loads; the path as the file spells it goes in wanted.
std::optional<Lines> linesAfterHeader(std::string_view fileText, std::string_view keyPath, std::u16string& wanted) {
  auto path = normalizedKeyPath(keyPath);
  if (!path) return std::nullopt;
  wanted = std::move(*path);
  Lines lines(fileText);
  if (lines.next() != kHeader) return std::nullopt;
  return lines;
}

enum class Header { Broken, Other, Wanted, Below };

// What a "[" line names, read into the buffer name.
Header headerOf(std::string_view line, std::u16string_view wanted, std::u16string& name) {
  std::size_t pos = 1;
  if (!readEscaped(line, pos, ']', name)) return Header::Broken;
  const std::u16string_view folded = foldRegistryName(name);
  if (folded == wanted) return Header::Wanted;
  if (folded.size() > wanted.size() && folded.starts_with(wanted) && (wanted.empty() || folded[wanted.size()] == u'\\'))
    return Header::Below;
  return Header::Other;
}

}  // namespace

// Lines that hex data continues on are only read inside the wanted key, so
// before its first header every line is read as a line of its own.
bool hasWineRegistryKey(std::string_view fileText, std::string_view keyPath) {
  std::u16string wanted, name;
  auto lines = linesAfterHeader(fileText, keyPath, wanted);
  if (!lines) return false;
  if (wanted.empty()) return true;  // the root is always there
  while (const auto next = lines->next()) {
    const std::string_view line = next->substr(skipBlanks(*next, 0));
    if (!line.empty() && line[0] == '[') {
      const Header header = headerOf(line, wanted, name);
      if (header == Header::Wanted || header == Header::Below) return true;
    }
  }
  return false;
}

std::optional<WineRegistryValue> findWineRegistryValue(std::string_view fileText, std::string_view keyPath,
                                                       std::string_view valueName) {
  std::u16string wanted, name;
  auto lines = linesAfterHeader(fileText, keyPath, wanted);
  if (!lines) return std::nullopt;
  std::u16string wantedName = utf8ToUtf16(valueName);
  foldRegistryName(wantedName);
  bool inWantedKey = false;
  std::optional<WineRegistryValue> value;
  while (const auto next = lines->next()) {
    const std::string_view line = next->substr(skipBlanks(*next, 0));
    if (line.empty()) continue;
    if (line[0] == '[') {
      inWantedKey = headerOf(line, wanted, name) == Header::Wanted;  // a broken header's values belong to no key
    } else if (inWantedKey && (line[0] == '"' || line[0] == '@')) {
      readValue(line, *lines, wantedName, name, value);
    }
  }
  return value;
}

}  // namespace lumivox
