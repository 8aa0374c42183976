#pragma once
#include <vector>

namespace lumivox {

// The virtual keys an X keysym stands for: a side-specific modifier gives
// both its generic key and its own (Shift_L gives Shift and LeftShift).
// Keys the program cannot be told to watch give nothing.
std::vector<int> virtualKeysForKeysym(unsigned long keysym);

}  // namespace lumivox
