#pragma once
#include <cstddef>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace lumivox {

// Bit i set where p[i] == c, for the `count` bytes from p (count below 64),
// the rest clear.
inline std::uint64_t byteMaskPartial(const char* p, std::size_t count, char c) {
  std::uint64_t mask = 0;
  for (std::size_t i = 0; i < count; ++i) mask |= std::uint64_t{p[i] == c} << i;
  return mask;
}

// The same for the 64 bytes from p (all readable). Inline: the readers of
// files call it once a line.
inline std::uint64_t byteMask64(const char* p, char c) {
#ifdef __SSE2__
  const __m128i wanted = _mm_set1_epi8(c);
  auto part = [&](int i) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    return static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, wanted))));
  };
  return part(0) | part(1) << 16 | part(2) << 32 | part(3) << 48;
#else
  return byteMaskPartial(p, 64, c);
#endif
}

}  // namespace lumivox
