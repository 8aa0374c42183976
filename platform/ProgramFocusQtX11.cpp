#include "platform/ProgramFocusQtX11.h"

#include <QGuiApplication>
#include <QWindow>
#include <xcb/xcb.h>

namespace lumivox {

QtProgramFocus::QtProgramFocus(std::function<void(bool ours)> focusChanged)
    : focusChanged_(std::move(focusChanged)) {
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    QCoreApplication::instance()->installNativeEventFilter(this);
  } else {
    toolkitFocus_ = QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged,
                                     [this](QWindow* window) { focusChanged_(window != nullptr); });
  }
}

QtProgramFocus::~QtProgramFocus() {
  QCoreApplication::instance()->removeNativeEventFilter(this);
  QObject::disconnect(toolkitFocus_);
}

// The server reports focus changes only for the windows this program made.
bool QtProgramFocus::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_focus_in_event_t*>(message);
  const int kind = event->response_type & ~0x80;
  if (kind != XCB_FOCUS_IN && kind != XCB_FOCUS_OUT) return false;
  // Into a window's own child: still the program's. With the focus on no
  // window in particular, keys go to whatever lies under the pointer; that
  // is not followed, as the window may be gone before the focus moves on
  // and would then never hear that it lost it.
  if (kind == XCB_FOCUS_OUT && event->detail == XCB_NOTIFY_DETAIL_INFERIOR) return false;
  if (event->detail >= XCB_NOTIFY_DETAIL_POINTER) return false;
  focusChanged_(kind == XCB_FOCUS_IN);
  return false;  // the toolkit needs them too
}

}  // namespace lumivox
