#include "platform/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace lumivox {
namespace {

// What stands in for input the conversion refused.
struct Replacement {
  std::size_t skip;
  std::string_view text;
};

// One iconv descriptor per direction, opened on first use. The program has
// one thread, so they are never shared between threads.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("no iconv conversion from ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  iconv_t descriptor() const { return cd_; }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts input; onInvalid(rest) gives how many input bytes to skip and
  // what stands in for them. Incomplete input at the end is
  // dropped. iconv writes straight into the result, which has room for the
  // usual output: handing it a small buffer at a time costs more than the
  // conversion itself.
  template <typename OnInvalid>
  std::string convert(std::string_view input, OnInvalid onInvalid) {
    std::string out(input.size() * 3 / 2 + 16, '\0');
    std::size_t used = 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
      char* outPtr = out.data() + used;
      std::size_t outLeft = out.size() - used;
      const std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
      used = static_cast<std::size_t>(outPtr - out.data());
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      if (errno == EINVAL) break;  // incomplete sequence at the end
      const auto [skip, replacement] = onInvalid(std::string_view(in, inLeft));
      if (out.size() - used < replacement.size()) out.resize(out.size() * 2 + replacement.size());
      std::copy(replacement.begin(), replacement.end(), out.begin() + static_cast<std::ptrdiff_t>(used));
      used += replacement.size();
      in += skip;
      inLeft -= skip;
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t cd_;
};

// The bytes of a broken UTF-8 sequence at the front: its lead byte and
// whatever continuation bytes follow it, at most a whole sequence.
std::size_t brokenSequenceLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest.front());
  const std::size_t full = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < full && length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80)
    ++length;
  return length;
}

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A non-ASCII UTF-8 sequence at the front of the text, read as glibc reads
// it: a character, a broken sequence, or one that the end of the text cuts.
struct Sequence {
  enum class Kind { Character, Broken, Cut } kind;
  std::size_t length;
  char32_t character = 0;
};

Sequence readSequence(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest.front());
  // glibc still knows the lead bytes of five and six bytes: such a sequence,
  // never a character, is only cut when the end comes before its length.
  const std::size_t full = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : lead < 0xFC ? 5 : lead < 0xFE ? 6 : 0;
  const Sequence broken{Sequence::Kind::Broken, brokenSequenceLength(rest)};
  if (full == 0) return broken;
  std::size_t length = 1;
  while (length < full && length < rest.size() && isContinuation(rest[length])) ++length;
  if (length < full) return length == rest.size() ? Sequence{Sequence::Kind::Cut, length} : broken;
  if (full > 4) return broken;
  char32_t c = lead & (0x7F >> full);
  for (std::size_t i = 1; i < full; ++i) c = c << 6 | (static_cast<unsigned char>(rest[i]) & 0x3F);
  const bool overlong = (full == 3 && c < 0x800) || (full == 4 && c < 0x10000);
  if (overlong || c > 0x10FFFF) return broken;
  return {Sequence::Kind::Character, full, c};
}

// GBK holds characters of the basic plane only. Each one's GBK bytes are
// asked of iconv alone, the first time it comes, and kept: iconv, given a
// text, decodes ahead of a character it cannot encode and then decodes that
// stretch again, which made every such character cost a long stretch.
class GbkEncoder {
 public:
  std::string encode(std::string_view utf8, std::size_t maxBytes) {
    std::string out;
    out.reserve(std::min(utf8.size(), maxBytes));
    for (std::size_t pos = 0; pos < utf8.size() && out.size() < maxBytes;) {
      if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
        out += utf8[pos++];
        continue;
      }
      const Sequence sequence = readSequence(utf8.substr(pos));
      if (sequence.kind == Sequence::Kind::Cut) break;  // half a character at the end
      pos += sequence.length;
      const bool character = sequence.kind == Sequence::Kind::Character;
      if (character && sequence.character >> 7 == 0xE0000 >> 7) continue;  // glibc drops the tag characters
      const std::uint16_t code = character && sequence.character < 0x10000
                                     ? codeOf(sequence.character, utf8.substr(pos - sequence.length, sequence.length))
                                     : kRefused;
      if (code == kRefused) out += '?';
      else if (code < 0x100) out += static_cast<char>(code);
      else out.append({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    }
    if (out.size() > maxBytes) out.resize(maxBytes);
    return out;
  }

 private:
  // A code below 0x100 is one byte, any other two, high byte first; no GBK
  // code starts with 0xFF.
  static constexpr std::uint16_t kUnknown = 0xFFFF, kRefused = 0xFFFE;

  std::uint16_t codeOf(char32_t character, std::string_view utf8) {
    std::uint16_t& code = codes_[character];
    if (code != kUnknown) return code;
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    unsigned char bytes[8];
    char* out = reinterpret_cast<char*>(bytes);
    std::size_t outLeft = sizeof bytes;
    iconv(converter_.descriptor(), nullptr, nullptr, nullptr, nullptr);
    const bool encoded = iconv(converter_.descriptor(), &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    const std::size_t written = sizeof bytes - outLeft;
    if (!encoded || written == 0 || written > 2) code = kRefused;
    else code = written == 1 ? bytes[0] : static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    return code;
  }

  Converter converter_{"GBK", "UTF-8"};
  std::vector<std::uint16_t> codes_ = std::vector<std::uint16_t>(0x10000, kUnknown);
};

}  // namespace

std::string gbkToUtf8(std::string_view gbk) {
  static Converter converter("UTF-8", "GBK");
  return converter.convert(gbk, [](std::string_view) { return Replacement{1, "\xEF\xBF\xBD"}; });
}

std::string utf8ToGbk(std::string_view utf8, std::size_t maxBytes) {
  static GbkEncoder encoder;
  return encoder.encode(utf8, maxBytes);
}

}  // namespace lumivox
