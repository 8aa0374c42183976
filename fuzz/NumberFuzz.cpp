// The one number conversion against a reference built on strtod in the C
// locale: the same syntax, the same rounding (halves to even), failure only
// outside the 32-bit range (or the float range), underflow to 0.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "common/NumberConversion.h"

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

// [blanks] [sign] digits [. digits] [e [sign] digits] [blanks], at least one
// mantissa digit.
std::optional<std::string> numberText(const std::string& text) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  const std::string s = text.substr(b, e - b);
  std::size_t i = 0, mantissa = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  while (i < s.size() && digit(s[i])) ++i, ++mantissa;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && digit(s[i])) ++i, ++mantissa;
  }
  if (mantissa == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponent = 0;
    while (i < s.size() && digit(s[i])) ++i, ++exponent;
    if (exponent == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  return s;
}

std::optional<double> modelValue(const std::string& text) {
  const auto s = numberText(text);
  if (!s) return std::nullopt;
  errno = 0;
  const double value = std::strtod(s->c_str(), nullptr);
  if (std::isinf(value)) return std::nullopt;  // overflow
  return value;                                 // an underflow is 0 or a tiny value, both fine
}

[[noreturn]] void fail(const char* what, const std::string& text) {
  std::fprintf(stderr, "MISMATCH (%s) for \"%s\"\n", what, text.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto value = modelValue(text);

  std::optional<std::int32_t> expectedInt;
  if (value) {
    const double rounded = std::nearbyint(*value);  // the default mode: to nearest, halves to even
    if (rounded >= -2147483648.0 && rounded <= 2147483647.0) expectedInt = static_cast<std::int32_t>(rounded);
  }
  if (lumivox::toInt32(text) != expectedInt) fail("toInt32", text);

  std::optional<float> expectedFloat;
  if (value && std::fabs(*value) <= std::numeric_limits<float>::max()) expectedFloat = static_cast<float>(*value);
  const auto single = lumivox::toSingle(text);
  if (single.has_value() != expectedFloat.has_value() || (single && *single != *expectedFloat)) fail("toSingle", text);
  return 0;
}
