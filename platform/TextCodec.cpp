#include "platform/TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/GbkCodePage.h"
#include "common/Unicode.h"

namespace lumivox {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Both directions of the code page, made on first use (by one thread; the
// others wait for it) and only read after.
struct GbkTables {
  GbkCodePage page;
  // Each character of the basic plane: its GBK code (below 0x100 one byte,
  // else two, high byte first), or 0 when GBK has none.
  std::vector<std::uint16_t> codes = std::vector<std::uint16_t>(0x10000, 0);

  GbkTables() {
    readSystemGbkCodePage(page);
    for (unsigned c = 1; c < 0x80; ++c) codes[c] = static_cast<std::uint16_t>(c);
    for (const unsigned char byte : {0x80, 0xFF})
      if (const char16_t c = page.single(byte); c && !codes[c]) codes[c] = byte;
    for (unsigned lead = kGbkLeadFirst; lead <= kGbkLeadLast; ++lead)
      for (unsigned trail = kGbkTrailFirst; trail <= kGbkTrailLast; ++trail)
        if (const char16_t c = page.pair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            c && !codes[c])
          codes[c] = static_cast<std::uint16_t>(lead << 8 | trail);
  }
};

const GbkTables& tables() {
  static const auto made = std::make_unique<GbkTables>();
  return *made;
}

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The bytes of a broken UTF-8 sequence at pos: its first byte and the
// continuation bytes after it, never more than a whole sequence.
std::size_t brokenSequenceLength(std::string_view utf8, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(utf8[pos]);
  const std::size_t full = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < full && pos + length < utf8.size() && isContinuation(utf8[pos + length])) ++length;
  return length;
}

}  // namespace

GbkUnit readGbkAt(std::string_view gbk, std::size_t at) {
  const auto byte = static_cast<unsigned char>(gbk[at]);
  if (byte < 0x80) return {GbkUnit::Kind::Character, 1, byte};
  const GbkTables& t = tables();
  if (!isGbkLead(byte)) {
    const char16_t c = t.page.single(byte);
    return c ? GbkUnit{GbkUnit::Kind::Character, 1, c} : GbkUnit{GbkUnit::Kind::Broken, 1, kReplacement};
  }
  if (at + 1 == gbk.size()) return {GbkUnit::Kind::Cut, 1, kReplacement};
  const auto trail = static_cast<unsigned char>(gbk[at + 1]);
  const char16_t c = isGbkTrail(trail) ? t.page.pair(byte, trail) : 0;
  return c ? GbkUnit{GbkUnit::Kind::Character, 2, c} : GbkUnit{GbkUnit::Kind::Broken, 1, kReplacement};
}

std::optional<std::uint16_t> gbkCodeOf(char32_t c) {
  if (c == 0) return 0;
  const std::uint16_t code = c < 0x10000 ? tables().codes[c] : 0;
  return code ? std::optional(code) : std::nullopt;
}

std::string gbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() + gbk.size() / 2);
  for (std::size_t at = 0; at < gbk.size();) {
    const auto byte = static_cast<unsigned char>(gbk[at]);
    if (byte < 0x80) {  // most of a library
      out += static_cast<char>(byte);
      ++at;
      continue;
    }
    const GbkUnit unit = readGbkAt(gbk, at);
    if (unit.kind != GbkUnit::Kind::Cut) appendUtf8(out, unit.character);
    at += unit.length;
  }
  return out;
}

std::string utf8ToGbk(std::string_view utf8, std::size_t maxBytes) {
  const std::vector<std::uint16_t>& codes = tables().codes;
  std::string out;
  out.reserve(std::min(utf8.size(), maxBytes));
  for (std::size_t pos = 0; pos < utf8.size() && out.size() < maxBytes;) {
    const std::size_t start = pos;
    const char32_t c = decodeUtf8At(utf8, pos);
    const bool broken = c == kReplacement && pos - start == 1;
    if (broken) pos = start + brokenSequenceLength(utf8, start);
    const std::uint16_t code = !broken && c < 0x10000 ? codes[c] : 0;
    if (c == 0)
      out += '\0';
    else if (code == 0)
      out += '?';
    else if (code < 0x100)
      out += static_cast<char>(code);
    else
      out.append({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
  }
  if (out.size() > maxBytes) out.resize(maxBytes);
  return out;
}

}  // namespace lumivox
