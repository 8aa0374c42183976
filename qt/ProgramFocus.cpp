#include "qt/ProgramFocus.h"

#include <QGuiApplication>
#include <QWindow>

// After Qt: Xlib defines names Qt uses.
#include <X11/Xlib.h>

namespace lumivox {

bool programHasKeyboardFocus() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->display()) return QGuiApplication::focusWindow() != nullptr;
  // When one of our boxes closes, the focus falls back to the root window for
  // a moment until our next window takes it: that moment is still ours, so
  // the key that closed the box is not counted. Only a window of another
  // program ends it.
  static bool ours = false;
  Display* display = x11->display();
  Window focused = None;
  int revertTo = 0;
  XGetInputFocus(display, &focused, &revertTo);
  if (focused == None || focused == PointerRoot || focused == DefaultRootWindow(display)) return ours;
  ours = false;
  for (const QWindow* window : QGuiApplication::allWindows())
    if (window->handle() && window->winId() == focused) ours = true;
  return ours;
}

}  // namespace lumivox
