#include "platform/X11KeyWatch.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/X11KeyMap.h"

namespace lumivox {

X11KeyWatch::X11KeyWatch() {
  display_ = XOpenDisplay(nullptr);
  if (!display_) {
    error_ = "cannot open the X display";
    problem_ = KeyWatchProblem::NoXDisplay;
    return;
  }
  int firstEvent = 0, firstError = 0;
  int major = 2, minor = 2;
  if (!XQueryExtension(display_, "XInputExtension", &xinputOpcode_, &firstEvent, &firstError) ||
      XIQueryVersion(display_, &major, &minor) != Success || major < 2 || (major == 2 && minor < 1)) {
    error_ = "the X server has no XInput 2.1";
    problem_ = KeyWatchProblem::NoRawKeyEvents;
    XCloseDisplay(display_);
    display_ = nullptr;
    return;
  }
  if (::pipe2(stopPipe_, O_CLOEXEC) != 0) {
    error_ = "cannot make a pipe to stop the key watch";
    problem_ = KeyWatchProblem::NoResources;
    XCloseDisplay(display_);
    display_ = nullptr;
    return;
  }
  // Raw events reach a client that listens on the root window whichever
  // window has the focus, and selecting them grabs nothing.
  unsigned char mask[XIMaskLen(XI_LASTEVENT)] = {};
  XISetMask(mask, XI_RawKeyPress);
  XISetMask(mask, XI_RawKeyRelease);
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
    if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
      const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
      const KeySym keysym = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(raw->detail), 0, 0);
      if (cookie->evtype == XI_RawKeyPress)
        press(keysym);
      else
        release(keysym);
    }
    XFreeEventData(display_, cookie);
  }
}

bool X11KeyWatch::inWaylandSession() {
  const char* display = std::getenv("WAYLAND_DISPLAY");
  const char* session = std::getenv("XDG_SESSION_TYPE");
  return (display && *display) || (session && std::string_view(session) == "wayland");
}

namespace {

std::uint64_t bitOf(int virtualKey) { return std::uint64_t{1} << (virtualKey % 64); }
std::size_t wordOf(int virtualKey) { return static_cast<std::size_t>(virtualKey) / 64; }
bool watched(int virtualKey) { return virtualKey >= 0 && virtualKey < 256; }

// The side-specific keys a generic modifier stands for; none for other keys.
std::array<int, 2> sidesOf(int virtualKey) {
  switch (virtualKey) {
    case vk::Shift: return {vk::LeftShift, vk::RightShift};
    case vk::Control: return {vk::LeftControl, vk::RightControl};
    case vk::Menu: return {vk::LeftMenu, vk::RightMenu};
  }
  return {-1, -1};
}

}  // namespace

bool X11KeyWatch::downNow(int virtualKey) const {
  const std::array<int, 2> sides = sidesOf(virtualKey);
  if (sides[0] >= 0) return downNow(sides[0]) || downNow(sides[1]);
  return (down_[wordOf(virtualKey)].load() & bitOf(virtualKey)) != 0;
}

// A key already down is held, not pressed again; generic modifiers are
// down through their sides, so their bits stay clear.
void X11KeyWatch::press(unsigned long keysym) {
  const std::vector<int> keys = virtualKeysForKeysym(keysym);
  const auto modifiers = static_cast<std::uint8_t>((downNow(vk::Control) ? 1 : 0) | (downNow(vk::Menu) ? 2 : 0) |
                                                   (downNow(vk::Shift) ? 4 : 0));
  for (int key : keys)
    if (watched(key) && !downNow(key)) {
      modifiersAtPress_[static_cast<std::size_t>(key)].store(modifiers);
      pressed_[wordOf(key)].fetch_or(bitOf(key));
    }
  for (int key : keys)
    if (watched(key) && sidesOf(key)[0] < 0) down_[wordOf(key)].fetch_or(bitOf(key));
}

void X11KeyWatch::release(unsigned long keysym) {
  for (int key : virtualKeysForKeysym(keysym))
    if (watched(key)) down_[wordOf(key)].fetch_and(~bitOf(key));
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
  if (!watched(virtualKey)) return false;
  return (pressed_[wordOf(virtualKey)].fetch_and(~bitOf(virtualKey)) & bitOf(virtualKey)) != 0;
}

bool X11KeyWatch::isDown(int virtualKey) { return watched(virtualKey) && downNow(virtualKey); }

std::optional<Modifiers> X11KeyWatch::modifiersAtLastPress(int virtualKey) {
  if (!watched(virtualKey)) return Modifiers{};
  const std::uint8_t held = modifiersAtPress_[static_cast<std::size_t>(virtualKey)].load();
  return Modifiers{(held & 1) != 0, (held & 2) != 0, (held & 4) != 0};
}

}  // namespace lumivox
