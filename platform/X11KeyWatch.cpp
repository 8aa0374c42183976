#include "platform/X11KeyWatch.h"

#include <QSocketNotifier>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include "platform/X11KeyMap.h"

namespace lumivox {

X11KeyWatch::X11KeyWatch(QObject* parent) : QObject(parent) {
  display_ = XOpenDisplay(nullptr);
  if (!display_) {
    error_ = "cannot open the X display";
    return;
  }
  int firstEvent = 0, firstError = 0;
  int major = 2, minor = 2;
  if (!XQueryExtension(display_, "XInputExtension", &xinputOpcode_, &firstEvent, &firstError) ||
      XIQueryVersion(display_, &major, &minor) != Success || major < 2 || (major == 2 && minor < 1)) {
    error_ = "the X server has no XInput 2.1";
    XCloseDisplay(display_);
    display_ = nullptr;
    return;
  }
  // Raw events reach a client that listens on the root window whichever
  // window has the focus, and selecting them grabs nothing.
  unsigned char mask[XIMaskLen(XI_LASTEVENT)] = {};
  XISetMask(mask, XI_RawKeyPress);
  XIEventMask eventMask{XIAllMasterDevices, static_cast<int>(sizeof mask), mask};
  XISelectEvents(display_, DefaultRootWindow(display_), &eventMask, 1);
  XFlush(display_);

  notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &X11KeyWatch::readPendingEvents);
}

X11KeyWatch::~X11KeyWatch() {
  delete notifier_;
  if (display_) XCloseDisplay(display_);
}

void X11KeyWatch::readPendingEvents() { readEvents(QueuedAfterFlush); }

void X11KeyWatch::readEvents(int mode) {
  if (!display_) return;
  while (XEventsQueued(display_, mode) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    XGenericEventCookie* cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != xinputOpcode_ ||
        !XGetEventData(display_, cookie))
      continue;
    if (cookie->evtype == XI_RawKeyPress) {
      const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
      const KeySym keysym = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(raw->detail), 0, 0);
      for (int key : virtualKeysForKeysym(keysym)) pressed_.set(static_cast<std::size_t>(key));
    }
    XFreeEventData(display_, cookie);
  }
}

void X11KeyWatch::forgetPresses() {
  if (display_) {
    // Presses the server has made but not yet sent are part of the past too.
    XSync(display_, False);
    readPendingEvents();
  }
  pressed_.reset();
}

bool X11KeyWatch::pressedSinceLastAsked(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= static_cast<int>(pressed_.size())) return false;
  // Events Xlib has already queued do not wake the socket notifier; those
  // still on the connection do. Only the queued ones are looked at here, and
  // by the queue's length alone (no lock, no call to the server): this runs
  // 50 times a second and the connection is ours alone.
  if (display_ && XQLength(display_) > 0) readEvents(QueuedAlready);
  const bool pressed = pressed_.test(static_cast<std::size_t>(virtualKey));
  pressed_.reset(static_cast<std::size_t>(virtualKey));
  return pressed;
}

}  // namespace lumivox
