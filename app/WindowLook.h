#pragma once
#include <array>
#include <cstdint>

#include "common/CommandId.h"

namespace lumivox {

class UserSettings;

// How the program's windows stand over the game: above every other window or
// not, and how opaque, in the steps the 窗口 menu offers.
struct OpacityStep {
  CommandId command;
  int percent;
};
inline constexpr std::array<OpacityStep, 4> kOpacitySteps = {{{CommandId::Opacity100, 100},
                                                             {CommandId::Opacity85, 85},
                                                             {CommandId::Opacity70, 70},
                                                             {CommandId::Opacity55, 55}}};

struct WindowLook {
  bool onTop = false;
  int opacityPercent = 100;
  bool operator==(const WindowLook&) const = default;
};

// [Window] StayOnTop=true|false and Opacity=100|85|70|55 of the settings; a
// value that is none of those keeps its default and becomes a problem.
WindowLook readWindowLook(UserSettings& settings);
// Sets each value whose meaning in the file, as this copy knows it, is not
// the look's: another copy of the program may have changed the other. The
// caller saves.
void storeWindowLook(UserSettings& settings, const WindowLook& look);

// A percentage as an alpha level, 0 transparent to 255 opaque.
std::int16_t opacityLevel(int percent);

}  // namespace lumivox
