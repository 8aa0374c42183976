#include "qt/ApplyWindowLook.h"

#include <QWidget>

#include "app/WindowLook.h"
#include "platform/WindowOpacityQt.h"

namespace lumivox {

void setStaysOnTop(QWidget& window, bool onTop) {
  if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  // A new flag hides a shown window; it comes back where it was.
  const bool shown = window.isVisible();
  const QPoint at = window.pos();
  window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (!shown) return;
  window.move(at);
  window.show();
}

void setOpacityPercent(QWidget& window, int percent) { SetWindowOpacity(&window, opacityLevel(percent)); }

}  // namespace lumivox
