#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

namespace lumivox {

// How the checker tells encodings apart and finds what a reader cannot read.
// GBK is always judged by the program's own codec (platform/TextCodec), so a
// byte is flagged exactly when players see it as U+FFFD or not at all.

bool isAscii(std::string_view bytes);
// Well-formed UTF-8: no broken, overlong or surrogate sequences.
bool isUtf8(std::string_view bytes);

// A byte that starts a two-byte GBK character (when a second byte follows).
inline bool isGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The column, from 1, of the byte at `offset` in a line: the characters
// before it as players see them (UTF-8 when utf8, else through the codec).
std::size_t columnAt(std::string_view line, std::size_t offset, bool utf8);

// Where the places found start, ascending; `stopped` when there were more
// than the limit asked for.
struct Places {
  std::vector<std::size_t> offsets;
  bool stopped = false;
};

// The bytes of GBK text the codec cannot read: the first byte of each
// broken character. Linear in the text's size: the codec reads it in large
// pieces and goes character by character only where a piece is broken.
Places nonGbkBytes(std::string_view bytes, std::size_t limit);

// The characters of UTF-8 text that GBK has no form for: converting there
// and back does not give them again.
Places charactersWithoutGbk(std::string_view utf8, std::size_t limit);

}  // namespace lumivox
