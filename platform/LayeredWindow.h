#pragma once
#include <cstdint>

namespace lumivox {

// Result codes of SetWindowOpacity.
inline constexpr int kOpacityApplied = 0;
inline constexpr int kOpacityOutOfRange = 1;  // nothing was done
inline constexpr int kOpacityRefused = 2;     // the platform failed

#ifdef _WIN32
// A window handle (HWND) as an integer, so callers need not include windows.h.
using NativeWindowHandle = std::uintptr_t;

// Makes a top-level window uniformly translucent through the layered-window
// mechanism: 0 is fully transparent, 255 opaque. Marks the window layered on
// every call and sets its alpha; 2 when the handle names no window or the
// system lacks layered windows. Never shows a message.
int SetWindowOpacity(NativeWindowHandle window, const std::int16_t& opacity);
#endif

}  // namespace lumivox
