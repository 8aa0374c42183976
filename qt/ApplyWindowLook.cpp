#include "qt/ApplyWindowLook.h"

#include <QWidget>
#include <QWindow>

#include "app/WindowLook.h"
#include "platform/WindowOpacityQt.h"

namespace lumivox {

void setStaysOnTop(QWidget& window, bool onTop) {
  if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  const Qt::WindowFlags flags = window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
  QWindow* native = window.windowHandle();
  if (!native) return window.setWindowFlags(flags);
  // Told to the window system on the window as it is: a new window in its
  // place would lose the activation, and the windows that stand above it
  // would stand above nothing.
  window.overrideWindowFlags(flags);
  native->setFlags(flags);
}

void setOpacityPercent(QWidget& window, int percent) { SetWindowOpacity(&window, opacityLevel(percent)); }

void setOwnerWhileOnTop(QWidget& window, QWidget& owner, bool onTop) {
  QWidget* parent = onTop ? &owner : nullptr;
  if (window.parentWidget() == parent) return;
  const bool shown = window.isVisible();
  const QPoint at = window.pos();
  window.setParent(parent, window.windowFlags());
  if (!shown) return;
  window.move(at);
  window.show();
}

void keepToItsOwner(QWidget& window) {
  if (QWindow* native = window.windowHandle(); native && !window.parentWidget()) native->setTransientParent(nullptr);
}

}  // namespace lumivox
