#pragma once
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "check/CheckReport.h"
#include "library/IniLines.h"
#include "platform/TextCodec.h"
#include "common/Unicode.h"

namespace lumivox {

// How the checker tells encodings apart and finds what players cannot see.
// GBK is always read with the program's own codec, one character at a time
// (readGbkAt), so a byte is flagged exactly when players see it wrongly.

bool isAscii(std::string_view bytes);
// Well-formed UTF-8: no broken, overlong or surrogate sequences.
bool isUtf8(std::string_view bytes);

// How the bytes of one line (without its line end) were meant. Every pair of
// UTF-8 bytes is a GBK character too, and many longer runs are: a line is
// UTF-8 only when reading it as GBK shows something else than it meant, that
// is when it is well-formed UTF-8 with a character of three or four bytes
// (Chinese text takes three; a line of two-byte UTF-8 characters would be
// Greek, Cyrillic or accented Latin, while its bytes are common Chinese in
// GBK) and its UTF-8 reading looks more like the text of a Chinese
// translation than the GBK reading players see (lineOddness).
enum class LineEncoding {
  Ascii,   // nothing beyond ASCII: the same either way
  Gbk,     // players see what was meant
  Utf8,    // players see other text than was meant
  Unsure,  // reads as text either way: taken as GBK, which players see, but never converted
};
LineEncoding lineEncoding(std::string_view line);

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A line's text as an editor shows it: without its line end, the first
// without a UTF-8 byte order mark.
inline std::string_view textOf(std::string_view bytes, const IniLine& line) {
  const std::size_t start = line.start == 0 && bytes.starts_with(kUtf8Mark) ? kUtf8Mark.size() : line.start;
  return bytes.substr(start, std::max(line.contentEnd, start) - start);
}

// The lines of an initialisation file as the reader splits them (at LF),
// each with its text and the number an editor gives it (a lone CR ends a
// line too for editors): visit(line, text, number).
template <typename Visit>
void forEachLine(std::string_view bytes, Visit visit) {
  IniLineReader reader(bytes);
  IniLine line;
  for (std::size_t number = 1; reader.next(line);) {
    const std::string_view text = textOf(bytes, line);
    visit(line, text, number);
    number += 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r'));
  }
}

// The encoding of each line of forEachLine, in its order. A UTF-8 byte order
// mark says what the lines that read as text either way are: UTF-8.
std::vector<LineEncoding> lineEncodings(std::string_view bytes);

// How unlike the text of a Chinese translation a line reads, as UTF-8 or as
// players see GBK: each character counts 0 when it is ASCII, a common
// Chinese character (GB2312's first level) or Chinese punctuation or a
// full-width form (GB2312's first and third rows); 1 when it is any other
// character (a rarer one, kana, Greek, Cyrillic, pinyin, box drawing, one
// GBK lacks); 2 when players see no character there: a byte GBK cannot read,
// a lead byte cut off at the end, a character of GBK's user-defined areas.
// Text that is no UTF-8 is not counted further. Unless asked for the whole,
// the GBK reading is counted only until it is odder than the UTF-8 one.
struct LineOddness {
  std::size_t utf8 = 0, gbk = 0;
  bool wide = false;        // the UTF-8 reading has a character of three or four bytes
  bool utf8Broken = false;  // there is no UTF-8 reading
};
LineOddness lineOddness(std::string_view line, bool whole = true);

// Where offsets into one line of the reader (which ends at LF alone) stand
// as an editor shows them: a lone CR ends a line there too, and columns count
// characters, of UTF-8 or as players see GBK. Offsets asked in ascending
// order read the line once.
class LinePlaces {
 public:
  LinePlaces(std::string_view line, std::size_t lineNumber, bool utf8) : text_(line), first_(lineNumber), utf8_(utf8) {
    restart();
  }
  Place at(std::size_t offset);

 private:
  void restart() { at_ = 0, place_ = {first_, 1}; }

  std::string_view text_;
  std::size_t first_;
  bool utf8_;
  std::size_t at_ = 0;
  Place place_;
};

// The column, from 1, of the byte at `offset` in a line without lone CRs.
std::size_t columnAt(std::string_view line, std::size_t offset, bool utf8);

// Calls visit(offset, unit) for each place in GBK text where players see no
// character or not the one meant: a byte the codec cannot read, a lead byte
// cut off at the end, a character of GBK's user-defined areas, which no
// usual font has.
template <typename Visit>
void forEachGbkFault(std::string_view gbk, Visit visit) {
  for (std::size_t at = 0; at < gbk.size();) {
    if (static_cast<unsigned char>(gbk[at]) < 0x80) {
      ++at;
      continue;
    }
    const GbkUnit unit = readGbkAt(gbk, at);
    if (unit.kind != GbkUnit::Kind::Character || isGbkPrivateUse(unit.character)) visit(at, unit);
    at += unit.length;
  }
}

// Calls visit(offset, character) for each character of UTF-8 text that GBK
// has no form for.
template <typename Visit>
void forEachCharacterWithoutGbk(std::string_view utf8, Visit visit) {
  for (std::size_t at = 0; at < utf8.size();) {
    if (static_cast<unsigned char>(utf8[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t start = at;
    const char32_t c = decodeUtf8At(utf8, at);
    if (!gbkCodeOf(c)) visit(start, c);
  }
}

}  // namespace lumivox
