#pragma once
#include <cstdint>

#include "platform/LayeredWindow.h"

class QWidget;

namespace lumivox {

// Makes a top-level window uniformly translucent: 0 is fully transparent,
// 255 opaque; 1 for any other level, which changes nothing. Never shows a
// message.
// Windows: the layered-window mechanism on the window's native handle
// (LayeredWindow.h); 2 also when there is no window. Linux: Qt's window
// opacity; 2 when there is no window, it is not a top-level window, or the
// level did not take.
int SetWindowOpacity(QWidget* window, const std::int16_t& opacity);

}  // namespace lumivox
