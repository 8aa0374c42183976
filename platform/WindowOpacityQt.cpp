#include "platform/WindowOpacityQt.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtMath>

namespace lumivox {

int SetWindowOpacity(QWidget* window, const std::int16_t& opacity) {
  if (opacity < 0 || opacity > 255) return kOpacityOutOfRange;
  // Qt quietly ignores the opacity of a widget that is not a window.
  if (!window || !window->isWindow()) return kOpacityRefused;
  window->setWindowOpacity(opacity / 255.0);
  // Qt holds the change back until its next batch of requests to the window
  // system, which a fade step between two quiet moments may never see.
  QGuiApplication::sync();
  if (qRound(window->windowOpacity() * 255) != opacity) return kOpacityRefused;
  return kOpacityApplied;
}

}  // namespace lumivox
