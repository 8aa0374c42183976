#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// Reads the UTF-8 character at pos and moves pos past it. A byte that does
// not start a well-formed character reads as U+FFFD and pos moves by one.
char32_t decodeUtf8At(std::string_view utf8, std::size_t& pos);

// Appends a character as UTF-8.
void appendUtf8(std::string& out, char32_t c);

// Appends a character as UTF-16, as a surrogate pair beyond the basic plane.
void appendUtf16(std::u16string& out, char32_t c);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view utf16);

// UTF-8 to UTF-16; a broken sequence becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view utf8);

}  // namespace lumivox
