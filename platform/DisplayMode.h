#pragma once
#include <cstdint>

namespace lumivox {

// Results of SetDisplayMode: those of ChangeDisplaySettingsA.
inline constexpr std::int32_t kDisplayChangeSuccessful = 0;  // DISP_CHANGE_SUCCESSFUL
inline constexpr std::int32_t kDisplayChangeFailed = -1;     // DISP_CHANGE_FAILED
inline constexpr std::int32_t kDisplayChangeBadMode = -2;    // DISP_CHANGE_BADMODE

// Changes the screen's size and, unless color is -1, its colour depth, for
// this session only. No validation of its own and no message: the result is
// the only report.
// Windows: ChangeDisplaySettingsA with displayModeRecord, its result as it is.
// Linux: XRandR, when the X display offers that size at that depth (its own
// depth or that depth's bits per pixel); otherwise kDisplayChangeBadMode,
// and kDisplayChangeFailed when the server refuses a mode it offered.
std::int32_t SetDisplayMode(const std::int16_t& width, const std::int16_t& height, const std::int16_t& color);

}  // namespace lumivox
