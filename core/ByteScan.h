#pragma once
#include <cstddef>
#include <cstdint>

namespace lumivox {

// Bit i set where p[i] == c, for the 64 bytes from p (all readable).
std::uint64_t byteMask64(const char* p, char c);
// The same for the `count` bytes from p (count below 64), the rest clear.
std::uint64_t byteMaskPartial(const char* p, std::size_t count, char c);

}  // namespace lumivox
