#include <QWidget>

#include "platform/WindowOpacity.h"

namespace lumivox {

int SetWindowOpacity(QWidget* window, const std::int16_t& opacity) {
  if (opacity < 0 || opacity > 255) return kOpacityOutOfRange;
  if (!window) return kOpacityRefused;
  return SetWindowOpacity(static_cast<NativeWindowHandle>(window->winId()), opacity);
}

}  // namespace lumivox
