#pragma once
#include <cstdint>

#include "platform/LayeredWindow.h"

class QWidget;

namespace lumivox {

// Makes a top-level window uniformly translucent through Qt's window
// opacity: 0 is fully transparent, 255 opaque; 1 for any other level, which
// changes nothing; 2 when there is no window, it is not a top-level window,
// or the level did not take. Never shows a message. The result codes are
// those of the layered windows of Windows (LayeredWindow.h).
int SetWindowOpacity(QWidget* window, const std::int16_t& opacity);

}  // namespace lumivox
