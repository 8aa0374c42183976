#pragma once
#include <string_view>

namespace lumivox {

// The blanks of the profile files, fields, numbers and progress files: space
// and tab only.
constexpr bool isSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

// Without the spaces and tabs at either end.
constexpr std::string_view trimSpacesAndTabs(std::string_view s) {
  while (!s.empty() && isSpaceOrTab(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpaceOrTab(s.back())) s.remove_suffix(1);
  return s;
}

// White space as HTML reads it: space, tab, line feed, form feed, carriage return.
constexpr bool isHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// White space as the C library's isspace reads it in the "C" locale.
constexpr bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace lumivox
