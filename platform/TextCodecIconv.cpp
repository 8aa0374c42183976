#include "platform/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

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

// The bytes of the UTF-8 character at the front that iconv refused: its lead
// byte and whatever continuation bytes follow it, at most a whole sequence.
std::size_t brokenSequenceLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest.front());
  const std::size_t full = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t length = 1;
  while (length < full && length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80)
    ++length;
  return length;
}

}  // namespace

std::string gbkToUtf8(std::string_view gbk) {
  static Converter converter("UTF-8", "GBK");
  return converter.convert(gbk, [](std::string_view) { return Replacement{1, "\xEF\xBF\xBD"}; });
}

std::string utf8ToGbk(std::string_view utf8) {
  static Converter converter("GBK", "UTF-8");
  return converter.convert(utf8, [](std::string_view rest) { return Replacement{brokenSequenceLength(rest), "?"}; });
}

}  // namespace lumivox
