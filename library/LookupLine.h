#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// The most bytes of a value (or fallback) a lookup returns, in the file's
// code page.
constexpr std::size_t kMaxValueBytes = 255;

// The one reader of initialisation files (dialogue libraries, the thanks
// list). Returns the value of key in section, or the fallback when the file,
// the section or the key is missing or the file cannot be read. Either is cut
// to its first 255 GBK bytes and to its first NUL, then given as UTF-8. A key
// present with an empty value gives the empty text. Never throws.
std::string LookupLine(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view fallback);

// The bytes of a value a lookup shows: the first 255, up to the first NUL.
std::string_view shownBytes(std::string_view valueBytes);
// What a lookup gives for a value's bytes as they stand in the file: its
// shown bytes as UTF-8 (a character cut in two at the end is dropped).
std::string shownText(std::string_view valueBytes);

}  // namespace lumivox
