#include "qt/ProgramFocus.h"

#include <QGuiApplication>
#include <QWindow>

// After Qt: Xlib defines names Qt uses.
#include <X11/Xlib.h>

namespace lumivox {

bool programHasKeyboardFocus() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->display()) return QGuiApplication::focusWindow() != nullptr;
  Window focused = None;
  int revertTo = 0;
  XGetInputFocus(x11->display(), &focused, &revertTo);
  if (focused == None || focused == PointerRoot) return false;
  for (const QWindow* window : QGuiApplication::allWindows())
    if (window->handle() && window->winId() == focused) return true;
  return false;
}

}  // namespace lumivox
