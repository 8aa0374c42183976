#include "platform/X11KeyWatch.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "platform/X11KeyMap.h"

namespace lumivox {

X11KeyWatch::X11KeyWatch() {
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
  if (::pipe2(stopPipe_, O_CLOEXEC) != 0) {
    error_ = "cannot make a pipe to stop the key watch";
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
  reader_ = std::thread([this] { waitForEvents(); });
}

X11KeyWatch::~X11KeyWatch() {
  if (reader_.joinable()) {
    const char stop = 0;
    while (::write(stopPipe_[1], &stop, 1) < 0 && errno == EINTR) {
    }
    reader_.join();
  }
  for (int fd : stopPipe_)
    if (fd >= 0) ::close(fd);
  if (display_) XCloseDisplay(display_);
}

void X11KeyWatch::waitForEvents() {
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(displayLock_);
      readEvents(QueuedAfterReading);
    }
    pollfd waitFor[2] = {{ConnectionNumber(display_), POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    if (::poll(waitFor, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (waitFor[1].revents) return;
    if (waitFor[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return;  // the server went away
  }
}

void X11KeyWatch::readEvents(int mode) {
  while (XEventsQueued(display_, mode) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    XGenericEventCookie* cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != xinputOpcode_ || !XGetEventData(display_, cookie))
      continue;
    if (cookie->evtype == XI_RawKeyPress) {
      const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
      const KeySym keysym = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(raw->detail), 0, 0);
      for (int key : virtualKeysForKeysym(keysym)) press(key);
    }
    XFreeEventData(display_, cookie);
  }
}

void X11KeyWatch::press(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= 256) return;
  pressed_[static_cast<std::size_t>(virtualKey) / 64].fetch_or(std::uint64_t{1} << (virtualKey % 64));
}

void X11KeyWatch::forgetPresses() {
  if (!display_) return;
  std::lock_guard<std::mutex> lock(displayLock_);
  // Presses the server has made but not yet sent are part of the past too.
  XSync(display_, False);
  readEvents(QueuedAlready);
  for (auto& word : pressed_) word.store(0);
}

bool X11KeyWatch::pressedSinceLastAsked(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= 256) return false;
  const std::uint64_t bit = std::uint64_t{1} << (virtualKey % 64);
  return (pressed_[static_cast<std::size_t>(virtualKey) / 64].fetch_and(~bit) & bit) != 0;
}

}  // namespace lumivox
