#include "info/PageText.h"

#include <array>

#include "common/AsciiCase.h"
#include "common/Blanks.h"

namespace lumivox {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (lowerAscii(c) >= 'a' && lowerAscii(c) <= 'f'); }

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view lowerPrefix) {
  if (text.size() - at < lowerPrefix.size()) return false;
  for (std::size_t i = 0; i < lowerPrefix.size(); ++i)
    if (lowerAscii(text[at + i]) != lowerPrefix[i]) return false;
  return true;
}

// The text as it is collected: a run of blanks becomes one space, and none
// stands at either end.
class Text {
 public:
  void blank() { blankPending_ = true; }
  void add(std::string_view chars) {
    if (blankPending_ && !text_.empty()) text_ += ' ';
    blankPending_ = false;
    text_ += chars;
  }
  std::string take() { return std::move(text_); }

 private:
  std::string text_;
  bool blankPending_ = false;
};

// Tags after which a browser starts a new line or cell: their words stay apart.
bool partsWords(std::string_view name) {
  static constexpr std::array<std::string_view, 24> kNames = {
      "blockquote", "br", "caption", "center", "dd", "div", "dl", "dt", "h1", "h2", "h3", "h4",
      "h5",         "h6", "hr",      "li",     "ol", "p",   "pre", "table", "td", "th", "tr", "ul"};
  for (std::string_view known : kNames)
    if (name == known) return true;
  return false;
}

// Elements of a head; any other one starts the body, as in a browser.
bool belongsInHead(std::string_view name) {
  static constexpr std::array<std::string_view, 8> kNames = {"base",   "link",  "meta",     "noscript",
                                                             "script", "style", "template", "title"};
  for (std::string_view known : kNames)
    if (name == known) return true;
  return false;
}

// A name that matters here is short: longer ones are not compared at all.
std::string lowerName(std::string_view html, std::size_t start, std::size_t end) {
  if (end - start > 10) return {};
  std::string name;
  for (std::size_t i = start; i < end; ++i) name += lowerAscii(html[i]);
  return name;
}

// The position after the '>' that ends the tag whose attributes start at
// `at`; a '>' inside a quoted attribute value does not end it.
std::size_t afterTag(std::string_view html, std::size_t at) {
  while (at < html.size()) {
    const char c = html[at++];
    if (c == '>') return at;
    if (c != '=') continue;
    while (at < html.size() && isHtmlSpace(html[at])) ++at;
    if (at < html.size() && (html[at] == '"' || html[at] == '\'')) {
      const std::size_t close = html.find(html[at], at + 1);
      if (close == std::string_view::npos) return html.size();
      at = close + 1;
    }
  }
  return html.size();
}

// The position after the end tag of a script, style or title that starts
// at `at`: their content is text to the browser, never tags.
std::size_t afterRawText(std::string_view html, std::size_t at, std::string_view name) {
  for (std::size_t close = html.find("</", at); close != std::string_view::npos; close = html.find("</", close + 2)) {
    const std::size_t end = close + 2 + name.size();
    if (startsWithNoCase(html, close + 2, name) &&
        (end == html.size() || isHtmlSpace(html[end]) || html[end] == '/' || html[end] == '>'))
      return afterTag(html, end);
  }
  return html.size();
}

void addCodePoint(Text& text, char32_t c) {
  if (c == 0xA0 || (c < 0x80 && isHtmlSpace(static_cast<char>(c)))) return text.blank();
  char bytes[4];
  std::size_t size = 0;
  if (c < 0x80) {
    bytes[size++] = static_cast<char>(c);
  } else if (c < 0x800) {
    bytes[size++] = static_cast<char>(0xC0 | (c >> 6));
    bytes[size++] = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes[size++] = static_cast<char>(0xE0 | (c >> 12));
    bytes[size++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes[size++] = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes[size++] = static_cast<char>(0xF0 | (c >> 18));
    bytes[size++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes[size++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes[size++] = static_cast<char>(0x80 | (c & 0x3F));
  }
  text.add(std::string_view(bytes, size));
}

// A number that names a character worth showing: not NUL, a surrogate,
// a control character other than a blank, or beyond Unicode.
bool isShownCodePoint(char32_t c) {
  if (c < 0x80 && isHtmlSpace(static_cast<char>(c))) return true;
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return false;
  return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
}

// Decodes the character reference at `at` (its '&') into text and returns
// the position after it; returns `at` when there is none to decode.
std::size_t readReference(std::string_view html, std::size_t at, Text& text) {
  std::size_t pos = at + 1;
  if (pos < html.size() && html[pos] == '#') {
    ++pos;
    const bool hex = pos < html.size() && lowerAscii(html[pos]) == 'x';
    if (hex) ++pos;
    const std::size_t digitsStart = pos;
    char32_t value = 0;
    bool tooLarge = false;
    for (; pos < html.size() && (hex ? isHexDigit(html[pos]) : isDigit(html[pos])); ++pos) {
      if (tooLarge) continue;
      const char c = lowerAscii(html[pos]);
      value = value * (hex ? 16 : 10) + static_cast<char32_t>(isDigit(c) ? c - '0' : c - 'a' + 10);
      tooLarge = value > 0x10FFFF;
    }
    if (pos == digitsStart || tooLarge || !isShownCodePoint(value)) return at;
    if (pos < html.size() && html[pos] == ';') ++pos;
    addCodePoint(text, value);
    return pos;
  }
  struct Named { std::string_view name; char32_t c; };
  static constexpr std::array<Named, 6> kNamed = {
      {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}}};
  for (const Named& named : kNamed) {
    // Names are case-sensitive: &AMP; is not &amp;.
    if (html.substr(pos, named.name.size()) != named.name) continue;
    pos += named.name.size();
    if (pos < html.size() && html[pos] == ';') ++pos;
    addCodePoint(text, named.c);
    return pos;
  }
  return at;
}

}  // namespace

std::string pageText(std::string_view html) {
  Text text;
  bool inHead = false;
  std::size_t at = 0;
  while (at < html.size()) {
    const char c = html[at];
    if (c == '<' && html.compare(at, 4, "<!--") == 0) {
      // "<!-->" and "<!--->" are whole comments, as browsers read them.
      const std::size_t end = html.find("-->", at + 2);
      at = end == std::string_view::npos ? html.size() : end + 3;
    } else if (c == '<' && at + 1 < html.size() && isLetter(html[at + 1])) {
      std::size_t nameEnd = at + 1;
      while (nameEnd < html.size() && !isHtmlSpace(html[nameEnd]) && html[nameEnd] != '/' && html[nameEnd] != '>')
        ++nameEnd;
      const std::string name = lowerName(html, at + 1, nameEnd);
      at = afterTag(html, nameEnd);
      if (name == "script" || name == "style" || name == "title") {
        at = afterRawText(html, at, name);
      } else if (name == "head") {
        inHead = true;
      } else if (!belongsInHead(name)) {
        inHead = false;  // a head left open ends where the body's content starts
      }
      if (partsWords(name)) text.blank();
    } else if (c == '<' && at + 2 < html.size() && html[at + 1] == '/' && isLetter(html[at + 2])) {
      std::size_t nameEnd = at + 2;
      while (nameEnd < html.size() && !isHtmlSpace(html[nameEnd]) && html[nameEnd] != '/' && html[nameEnd] != '>')
        ++nameEnd;
      const std::string name = lowerName(html, at + 2, nameEnd);
      at = afterTag(html, nameEnd);
      if (name == "head") inHead = false;
      if (partsWords(name)) text.blank();
    } else if (c == '<' && at + 1 < html.size() && (html[at + 1] == '!' || html[at + 1] == '/' || html[at + 1] == '?')) {
      // A doctype, a processing instruction or a stray end: up to its '>'.
      const std::size_t end = html.find('>', at);
      at = end == std::string_view::npos ? html.size() : end + 1;
    } else if (inHead) {
      ++at;
    } else if (c == '&') {
      const std::size_t after = readReference(html, at, text);
      if (after == at) text.add("&");
      at = after == at ? at + 1 : after;
    } else if (isHtmlSpace(c)) {
      text.blank();
      ++at;
    } else if (html.compare(at, kNoBreakSpace.size(), kNoBreakSpace) == 0) {
      text.blank();
      at += kNoBreakSpace.size();
    } else {
      if (c != '\0') text.add(std::string_view(&c, 1));
      ++at;
    }
  }
  return text.take();
}

}  // namespace lumivox
