#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumivox {

// The one conversion of typed and stored numbers: blanks and tabs around the
// number are ignored; an optional sign, decimal digits with an optional
// fraction and exponent; a fraction is rounded to the nearest integer with
// halves going to the even neighbour. Empty text, anything else, and values
// outside -2147483648..2147483647 give nothing.
std::optional<std::int32_t> toInt32(std::string_view text);

// The same syntax read as a single-precision number (no rounding); values
// beyond the float range give nothing.
std::optional<float> toSingle(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour (12.5 -> 12,
// 37.5 -> 38).
double roundHalfEven(double value);

// The same syntax read as a double-precision number (no rounding); what the
// typed seconds of the auto-save interval are read with.
std::optional<double> toDouble(std::string_view text);

}  // namespace lumivox
