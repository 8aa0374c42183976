#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumivox {

// GBK as Windows' code page 936 reads it, to and from UTF-8: the only place
// where text changes encoding. Both programs read it alike, the Qt one too
// (the translators' editors save on Windows): 0x80 is the euro sign, and
// every pair of a lead byte (0x81-0xFE) and a trail byte (0x40-0x7E,
// 0x80-0xFE) is a character, those of GBK's user-defined areas and its
// unassigned places private-use ones (kGbkPrivateUse).
//
// The tables are made once and never change, so any thread may convert at
// any time. Both directions never fail and take time in proportion to the
// text, whatever it holds:
// - gbkToUtf8: a byte that starts no character becomes U+FFFD and reading
//   goes on with the next byte; a lead byte alone at the very end (a
//   two-byte character cut in half) is dropped.
// - utf8ToGbk: a character GBK cannot hold, or a broken UTF-8 sequence,
//   becomes '?'. Given maxBytes, the first maxBytes bytes of the whole
//   conversion (a character may be cut in half), without converting more of
//   the text than they need.
std::string gbkToUtf8(std::string_view gbk);
std::string utf8ToGbk(std::string_view utf8, std::size_t maxBytes = std::string::npos);

// The GBK code of a character: below 0x100 one byte, else two, the high
// byte first; nothing when GBK has no form for it.
std::optional<std::uint16_t> gbkCodeOf(char32_t c);

// The characters code page 936 gives GBK's user-defined areas and
// unassigned places: no usual font has them, players see a box or nothing.
inline constexpr char32_t kGbkPrivateUseFirst = 0xE000, kGbkPrivateUseLast = 0xE864;
inline bool isGbkPrivateUse(char32_t c) { return c >= kGbkPrivateUseFirst && c <= kGbkPrivateUseLast; }

// One step of gbkToUtf8: what the bytes at `at` read as, and how many of
// them it takes. Whoever judges GBK text reads it with this, so it judges
// exactly what players see.
struct GbkUnit {
  enum class Kind {
    Character,  // one or two bytes
    Broken,     // one byte that starts no character: U+FFFD
    Cut,        // a lead byte alone at the very end: dropped
  };
  Kind kind;
  std::size_t length;
  char32_t character;  // Character: what it reads as; otherwise U+FFFD
};
GbkUnit readGbkAt(std::string_view gbk, std::size_t at);

}  // namespace lumivox
