#pragma once
#include <cstdint>

namespace lumivox {

inline constexpr char kShowFrmStatusText[] = "请稍等~程序正在启动中。。。";
inline constexpr char kProductName[] = "Lumivox";

// The members of the show window's single instance. They outlive every
// showing: unloading destroys the window, not these.
struct ShowFrmMembers {
  float stepTarget = 0;         // drawn anew at every load, 70..199
  std::int16_t fadeLevel = 0;   // never reset, so only the first showing fades
};

// Int(r * 130 + 70) for a single-precision r in [0, 1): 70..199.
float stepTargetFor(float r);
// The next number in [0, 1) of a generator seeded from the clock just now.
float clockSeededRandom();

}  // namespace lumivox
