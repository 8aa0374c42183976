#include "show/ShowFrmSteps.h"

#include <chrono>
#include <cmath>
#include <random>

namespace lumivox {

float stepTargetFor(float r) {
  // In double, so that no r below 1 can round up to 200.
  return static_cast<float>(std::floor(static_cast<double>(r) * 130.0 + 70.0));
}

float clockSeededRandom() {
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(static_cast<std::uint64_t>(now) >> 32)};
  std::mt19937 generator(seed);
  // 24 bits fill a float's mantissa exactly: never 1.
  return static_cast<float>(generator() >> 8) / 16777216.0f;
}

}  // namespace lumivox
