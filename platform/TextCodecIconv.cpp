#include "platform/TextCodec.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace lumivox {
namespace {

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

  // Converts input; onInvalid(rest) returns how many input bytes to skip and
  // appends its replacement. Incomplete input at the end is dropped.
  template <typename OnInvalid>
  std::string convert(std::string_view input, OnInvalid onInvalid) {
    std::string out;
    out.reserve(input.size() * 3 / 2 + 8);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      if (errno == EINVAL) break;  // incomplete sequence at the end
      const std::size_t skip = onInvalid(std::string_view(in, inLeft), out);
      in += skip;
      inLeft -= skip;
    }
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
  return converter.convert(gbk, [](std::string_view, std::string& out) {
    out += "\xEF\xBF\xBD";
    return std::size_t{1};
  });
}

std::string utf8ToGbk(std::string_view utf8) {
  static Converter converter("GBK", "UTF-8");
  return converter.convert(utf8, [](std::string_view rest, std::string& out) {
    out += '?';
    return brokenSequenceLength(rest);
  });
}

}  // namespace lumivox
