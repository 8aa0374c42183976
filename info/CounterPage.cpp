#include "info/CounterPage.h"

#include <algorithm>

#include "common/AsciiCase.h"
#include "common/Blanks.h"
#include "info/PageText.h"
#include "platform/FileRead.h"
#include "platform/TextCodec.h"

namespace lumivox {
namespace {

// Browsers look for the declaration only this far into the page.
constexpr std::size_t kPrescanBytes = 1024;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string lowered(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), lowerAscii);
  return result;
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (lowerAscii(text[at + i]) != prefix[i]) return false;
  return true;
}

// Reads the tag's attributes from `at` (just after its name) to its '>'.
// Calls found(name, value) for each; returns the position after the tag.
template <typename Found>
std::size_t readAttributes(std::string_view text, std::size_t at, Found found) {
  while (at < text.size()) {
    while (at < text.size() && (isHtmlSpace(text[at]) || text[at] == '/')) ++at;
    if (at >= text.size() || text[at] == '>') return at + 1;
    const std::size_t nameStart = at;
    while (at < text.size() && !isHtmlSpace(text[at]) && text[at] != '=' && text[at] != '>' && text[at] != '/') ++at;
    const std::string name = lowered(text.substr(nameStart, at - nameStart));
    while (at < text.size() && isHtmlSpace(text[at])) ++at;
    std::string_view value;
    if (at < text.size() && text[at] == '=') {
      ++at;
      while (at < text.size() && isHtmlSpace(text[at])) ++at;
      if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
        const char quote = text[at++];
        const std::size_t end = std::min(text.find(quote, at), text.size());
        value = text.substr(at, end - at);
        at = end + 1;
      } else {
        const std::size_t valueStart = at;
        while (at < text.size() && !isHtmlSpace(text[at]) && text[at] != '>') ++at;
        value = text.substr(valueStart, at - valueStart);
      }
    }
    found(name, value);
  }
  return text.size();
}

// The charset named in a Content-Type value such as "text/html; charset=gbk".
std::string charsetInContentType(std::string_view content) {
  for (std::size_t at = 0; at + 7 <= content.size(); ++at) {
    if (!startsWithNoCase(content, at, "charset")) continue;
    std::size_t i = at + 7;
    while (i < content.size() && isHtmlSpace(content[i])) ++i;
    if (i >= content.size() || content[i] != '=') continue;
    ++i;
    while (i < content.size() && isHtmlSpace(content[i])) ++i;
    if (i < content.size() && (content[i] == '"' || content[i] == '\'')) {
      const char quote = content[i++];
      const std::size_t end = content.find(quote, i);
      return end == std::string_view::npos ? std::string() : lowered(content.substr(i, end - i));
    }
    const std::size_t start = i;
    while (i < content.size() && !isHtmlSpace(content[i]) && content[i] != ';') ++i;
    return lowered(content.substr(start, i - start));
  }
  return {};
}

bool isUtf8Name(std::string_view charset) {
  return charset == "utf-8" || charset == "utf8" || charset == "unicode-1-1-utf-8";
}

}  // namespace

std::string declaredCharset(std::string_view page) {
  const std::string_view text = page.substr(0, kPrescanBytes);
  std::size_t at = 0;
  while (at < text.size()) {
    if (startsWithNoCase(text, at, "<!--")) {
      const std::size_t end = text.find("-->", at + 2);
      if (end == std::string_view::npos) break;
      at = end + 3;
    } else if (startsWithNoCase(text, at, "<meta") && at + 5 < text.size() &&
               (isHtmlSpace(text[at + 5]) || text[at + 5] == '/')) {
      std::string charset, content;
      bool httpEquiv = false;
      at = readAttributes(text, at + 5, [&](const std::string& name, std::string_view value) {
        if (name == "charset" && charset.empty()) charset = lowered(value);
        if (name == "http-equiv") httpEquiv = true;
        if (name == "content" && content.empty()) content = std::string(value);
      });
      if (charset.empty() && httpEquiv) charset = charsetInContentType(content);
      // Surrounding blanks are not part of the name.
      const auto first = charset.find_first_not_of(" \t\r\n\f");
      if (first != std::string::npos) return charset.substr(first, charset.find_last_not_of(" \t\r\n\f") - first + 1);
    } else if (text[at] == '<' && at + 1 < text.size() &&
               (isLetter(text[at + 1]) || (text[at + 1] == '/' && at + 2 < text.size() && isLetter(text[at + 2])))) {
      // Another tag: its attribute values may hold anything, "<meta" included.
      at += 2;
      while (at < text.size() && !isHtmlSpace(text[at]) && text[at] != '>' && text[at] != '/') ++at;
      at = readAttributes(text, at, [](const std::string&, std::string_view) {});
    } else if (text[at] == '<' && at + 1 < text.size() && (text[at + 1] == '!' || text[at + 1] == '/' || text[at + 1] == '?')) {
      const std::size_t end = text.find('>', at);
      if (end == std::string_view::npos) break;
      at = end + 1;
    } else {
      ++at;
    }
  }
  return {};
}

std::optional<std::string> readCounterPage(const std::string& path) {
  try {
    std::string bytes = readWholeFile(path, kMaxCounterPageBytes);
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (bytes.compare(0, kUtf8Mark.size(), kUtf8Mark) == 0) return bytes.substr(kUtf8Mark.size());
    if (isUtf8Name(declaredCharset(bytes))) return bytes;
    return gbkToUtf8(bytes);
  } catch (const std::exception&) {
    // A missing, unreadable or oversized page shows nothing, like a browser
    // that cannot open it.
    return std::nullopt;
  }
}

std::string counterPageText(const std::string& path) {
  const std::optional<std::string> page = readCounterPage(path);
  return page ? pageText(*page) : std::string();
}

}  // namespace lumivox
