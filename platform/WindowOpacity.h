#pragma once
#include <cstdint>

class QWidget;

namespace lumivox {

// Result codes of SetWindowOpacity.
inline constexpr int kOpacityApplied = 0;
inline constexpr int kOpacityOutOfRange = 1;  // nothing was done
inline constexpr int kOpacityRefused = 2;     // the platform failed

// Makes a top-level window uniformly translucent: 0 is fully transparent,
// 255 opaque. Never shows a message.
// Windows: marks the window layered (every time) and sets its alpha; 2 when
// a window call is missing (a system without layered windows) or there is no
// window. Linux: Qt's window opacity; 2 when there is no window, it is not a
// top-level window, or the level did not take.
int SetWindowOpacity(QWidget* window, const std::int16_t& opacity);

}  // namespace lumivox
