#include "check/TextEncoding.h"

#include <algorithm>

namespace lumivox {
namespace {

std::size_t oddness(char32_t c) {
  if (c < 0x80) return 0;
  if (isGbkPrivateUse(c)) return 2;
  const auto code = gbkCodeOf(c);
  if (!code) return 1;
  const unsigned lead = *code >> 8, trail = *code & 0xFF;
  const bool firstLevel = lead >= 0xB0 && lead <= 0xD7 && trail >= 0xA1;
  const bool punctuation = (lead == 0xA1 || lead == 0xA3) && trail >= 0xA1;
  return firstLevel || punctuation ? 0 : 1;
}

}  // namespace

bool isAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t start = at;
    if (decodeUtf8At(bytes, at) == 0xFFFD && at - start == 1) return false;
  }
  return true;
}

LineOddness lineOddness(std::string_view utf8, bool whole) {
  LineOddness odd;
  for (std::size_t at = 0; at < utf8.size();) {
    if (static_cast<unsigned char>(utf8[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t start = at;
    const char32_t c = decodeUtf8At(utf8, at);
    if (c == 0xFFFD && at - start == 1) {
      odd.utf8Broken = true;
      return odd;
    }
    odd.utf8 += oddness(c);
    odd.wide = odd.wide || at - start >= 3;
  }
  for (std::size_t at = 0; at < utf8.size() && (whole || odd.gbk <= odd.utf8);) {
    if (static_cast<unsigned char>(utf8[at]) < 0x80) {
      ++at;
      continue;
    }
    const GbkUnit unit = readGbkAt(utf8, at);
    odd.gbk += unit.kind == GbkUnit::Kind::Character ? oddness(unit.character) : 2;
    at += unit.length;
  }
  return odd;
}

LineEncoding lineEncoding(std::string_view line) {
  if (isAscii(line)) return LineEncoding::Ascii;
  const LineOddness odd = lineOddness(line, false);
  if (odd.utf8Broken || !odd.wide) return LineEncoding::Gbk;
  return odd.utf8 < odd.gbk ? LineEncoding::Utf8 : LineEncoding::Unsure;
}

std::vector<LineEncoding> lineEncodings(std::string_view bytes) {
  const bool marked = bytes.starts_with(kUtf8Mark);
  std::vector<LineEncoding> encodings;
  forEachLine(bytes, [&](const IniLine&, std::string_view text, std::size_t) {
    const LineEncoding encoding = lineEncoding(text);
    encodings.push_back(marked && encoding == LineEncoding::Unsure ? LineEncoding::Utf8 : encoding);
  });
  return encodings;
}

Place LinePlaces::at(std::size_t offset) {
  if (offset < at_) restart();
  while (at_ < offset && at_ < text_.size()) {
    const auto byte = static_cast<unsigned char>(text_[at_]);
    if (byte == '\r') {  // lone: the reader's lines end at LF
      ++at_;
      place_ = {place_.line + 1, 1};
      continue;
    }
    if (byte < 0x80) {
      ++at_;
    } else if (utf8_) {
      decodeUtf8At(text_, at_);
    } else {
      const GbkUnit unit = readGbkAt(text_, at_);
      at_ += unit.length;
      if (unit.kind == GbkUnit::Kind::Cut) continue;  // players see nothing of it
    }
    ++place_.column;
  }
  return place_;
}

std::size_t columnAt(std::string_view line, std::size_t offset, bool utf8) {
  return LinePlaces(line, 1, utf8).at(offset).column;
}

}  // namespace lumivox
