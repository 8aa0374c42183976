#include "common/NumberConversion.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "common/Blanks.h"

namespace lumivox {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Accepts [sign] digits [. digits] [e [sign] digits] with at least one
// mantissa digit; nothing else (no hex, no inf or nan, no separators).
std::optional<double> parseDecimal(std::string_view text) {
  std::string_view s = trimSpacesAndTabs(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // The decimal exponent of the first significant digit, to tell an
  // underflow (the value is 0) from an overflow when the conversion says
  // "out of range". Saturated: only its sign and size matter.
  std::int64_t magnitude = 0;
  bool significant = false;
  std::size_t i = 0, mantissaDigits = 0;
  while (i < s.size() && isDigit(s[i])) {
    significant = significant || s[i] != '0';
    if (significant && magnitude < 100000) ++magnitude;
    ++i, ++mantissaDigits;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) {
      if (!significant && s[i] == '0' && magnitude > -100000) --magnitude;
      significant = significant || s[i] != '0';
      ++i, ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    const std::size_t digitsStart = j;
    std::int64_t exponent = 0;
    while (j < s.size() && isDigit(s[j])) {
      if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
      ++j;
    }
    if (j == digitsStart) return std::nullopt;
    magnitude += negativeExponent ? -exponent : exponent;
    i = j;
  }
  if (i != s.size()) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (end != s.data() + s.size()) return std::nullopt;
  if (ec == std::errc::result_out_of_range && (!significant || magnitude <= 0)) value = 0;  // underflow
  else if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace

double roundHalfEven(double value) {
  const double floor = std::floor(value);
  const double diff = value - floor;
  if (diff < 0.5) return floor;
  if (diff > 0.5) return floor + 1;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<std::int32_t> toInt32(std::string_view text) {
  const auto value = parseDecimal(text);
  if (!value) return std::nullopt;
  const double rounded = roundHalfEven(*value);
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(rounded);
}

std::optional<float> toSingle(std::string_view text) {
  const auto value = parseDecimal(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<double> toDouble(std::string_view text) { return parseDecimal(text); }

}  // namespace lumivox
