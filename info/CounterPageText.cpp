#include <cstdint>
#include <string>
#include <string_view>

#include "info/CounterPage.h"

namespace lumivox {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithName(std::string_view text, std::size_t at, std::string_view name) {
  if (text.size() - at < name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (lower(text[at + i]) != name[i]) return false;
  const std::size_t end = at + name.size();
  return end == text.size() || isBlank(text[end]) || text[end] == '>' || text[end] == '/';
}

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A character reference at `at` ('&'): its text, and where it ends.
std::size_t decodeReference(std::string_view text, std::size_t at, std::string& out) {
  const std::size_t semicolon = text.find(';', at);
  if (semicolon == std::string_view::npos || semicolon - at > 10) {
    out += '&';
    return at + 1;
  }
  const std::string_view name = text.substr(at + 1, semicolon - at - 1);
  static constexpr std::pair<std::string_view, std::uint32_t> kNamed[] = {
      {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
  for (const auto& [n, code] : kNamed)
    if (name == n) {
      appendUtf8(out, code);
      return semicolon + 1;
    }
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    std::uint32_t code = 0;
    bool digits = false;
    for (std::size_t i = hex ? 2 : 1; i < name.size(); ++i) {
      const char c = lower(name[i]);
      const int digit = (c >= '0' && c <= '9') ? c - '0' : (hex && c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
      if (digit < 0) return out += '&', at + 1;
      code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
      if (code > 0x10FFFF) code = 0x110000;
      digits = true;
    }
    if (digits) {
      appendUtf8(out, code);
      return semicolon + 1;
    }
  }
  out += '&';
  return at + 1;
}

}  // namespace

std::string visiblePageText(std::string_view html) {
  std::string text;
  std::size_t at = 0;
  while (at < html.size()) {
    const char c = html[at];
    if (c == '<') {
      if (html.compare(at, 4, "<!--") == 0) {
        const std::size_t end = html.find("-->", at + 4);
        at = end == std::string_view::npos ? html.size() : end + 3;
        continue;
      }
      // Elements whose content is never shown are skipped whole.
      bool skipped = false;
      for (std::string_view hidden : {"head", "title", "script", "style"}) {
        if (!startsWithName(html, at + 1, hidden)) continue;
        const std::string closing = "</" + std::string(hidden);
        std::size_t end = at + 1;
        while ((end = html.find("</", end)) != std::string_view::npos && !startsWithName(html, end + 2, hidden)) ++end;
        at = end == std::string_view::npos ? html.size() : html.find('>', end);
        at = at == std::string_view::npos ? html.size() : at + 1;
        skipped = true;
        break;
      }
      if (skipped) continue;
      const std::size_t end = html.find('>', at);
      at = end == std::string_view::npos ? html.size() : end + 1;
      text += ' ';  // a tag separates words
      continue;
    }
    if (c == '&') {
      at = decodeReference(html, at, text);
      continue;
    }
    text += isBlank(c) ? ' ' : c;
    ++at;
  }
  // Blanks collapsed and trimmed; a decoded no-break space counts as one.
  std::string collapsed;
  for (char ch : text) {
    if (ch == ' ' && (collapsed.empty() || collapsed.back() == ' ')) continue;
    collapsed += ch;
  }
  if (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
  return collapsed;
}

std::string counterPageText(const std::string& path) {
  const auto page = readCounterPage(path);
  return page ? visiblePageText(*page) : std::string();
}

}  // namespace lumivox
