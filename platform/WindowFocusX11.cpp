#include "platform/WindowFocusX11.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <vector>

namespace lumivox {
namespace {

// A window gone between two requests is no failure here; Xlib's own handler
// would end the program.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

class QuietErrors {
 public:
  explicit QuietErrors(Display* display) : display_(display), before_(XSetErrorHandler(ignoreErrors)) {}
  ~QuietErrors() {
    XSync(display_, False);
    XSetErrorHandler(before_);
  }

 private:
  Display* display_;
  int (*before_)(Display*, XErrorEvent*);
};

// Up to `count` 32-bit items of a window's property, as longs.
std::vector<unsigned long> property(Display* display, Window window, const char* name, Atom type, long count) {
  Atom actualType = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, count, False, type, &actualType,
                         &format, &items, &after, &data) == Success &&
      data && format == 32 && actualType == type) {
    const auto* longs = reinterpret_cast<const unsigned long*>(data);
    values.assign(longs, longs + items);
  }
  if (data) XFree(data);
  return values;
}

bool hasWindowManager(Display* display) {
  return !property(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, 1).empty();
}

// The top-level window that holds `window`, below the root or a window manager's frame.
Window topLevel(Display* display, Window window) {
  const Window root = DefaultRootWindow(display);
  for (Window at = window;;) {
    Window rootReturn = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, at, &rootReturn, &parent, &children, &count)) return window;
    if (children) XFree(children);
    if (parent == root || parent == None) return at;
    if (!property(display, at, "WM_STATE", XInternAtom(display, "WM_STATE", False), 1).empty()) return at;
    at = parent;
  }
}

}  // namespace

X11WindowFocus::X11WindowFocus() : display_(XOpenDisplay(nullptr)) {}

X11WindowFocus::~X11WindowFocus() {
  if (display_) XCloseDisplay(display_);
}

std::optional<WindowFocus::Focused> X11WindowFocus::focused() {
  if (!display_) return std::nullopt;
  const QuietErrors quiet(display_);
  const Window root = DefaultRootWindow(display_);
  Window window = None;
  if (const auto active = property(display_, root, "_NET_ACTIVE_WINDOW", XA_WINDOW, 1); !active.empty())
    window = active[0];
  if (window == None && !hasWindowManager(display_)) {
    int revert = 0;
    XGetInputFocus(display_, &window, &revert);
    if (window == PointerRoot || window == root) window = None;
    if (window != None) window = topLevel(display_, window);
  }
  if (window == None) return std::nullopt;

  Focused focused;
  focused.id = window;
  const auto pid = property(display_, window, "_NET_WM_PID", XA_CARDINAL, 1);
  focused.ours = !pid.empty() && pid[0] == static_cast<unsigned long>(getpid());
  XWindowAttributes attributes{};
  Window child = None;
  int x = 0, y = 0;
  if (XGetWindowAttributes(display_, window, &attributes) &&
      XTranslateCoordinates(display_, window, root, 0, 0, &x, &y, &child)) {
    // left, right, top, bottom
    auto frame = property(display_, window, "_NET_FRAME_EXTENTS", XA_CARDINAL, 4);
    frame.resize(4, 0);
    focused.frame = ScreenRect{x - static_cast<int>(frame[0]), y - static_cast<int>(frame[2]),
                               attributes.width + static_cast<int>(frame[0] + frame[1]),
                               attributes.height + static_cast<int>(frame[2] + frame[3])};
  }
  return focused;
}

bool X11WindowFocus::focus(WindowId id) {
  if (!display_) return false;
  const auto window = static_cast<Window>(id);
  XWindowAttributes attributes{};
  {
    const QuietErrors quiet(display_);
    if (!XGetWindowAttributes(display_, window, &attributes) || attributes.map_state != IsViewable) return false;
  }
  const QuietErrors quiet(display_);
  if (hasWindowManager(display_)) {
    // As a pager asks: a window manager refuses an application's request
    // to take the focus from the window the player is in.
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, DefaultRootWindow(display_), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
  } else {
    XRaiseWindow(display_, window);
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  }
  return true;
}

}  // namespace lumivox
