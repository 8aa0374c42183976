#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include "platform/DisplayMode.h"

namespace lumivox {
namespace {

// A running X screen keeps its depth; the depth asked for must be that depth,
// or the bits per pixel it is stored in (what Windows calls 32-bit colour is
// depth 24 here).
bool offersDepth(Display* display, int screen, int color) {
  const int depth = DefaultDepth(display, screen);
  if (color == -1 || color == depth) return true;
  int count = 0;
  XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
  bool offered = false;
  for (int i = 0; i < count; ++i)
    if (formats[i].depth == depth && formats[i].bits_per_pixel == color) offered = true;
  if (formats) XFree(formats);
  return offered;
}

std::int32_t setSize(Display* display, int screen, int width, int height) {
  int eventBase = 0, errorBase = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase)) return kDisplayChangeBadMode;
  const Window root = RootWindow(display, screen);
  XRRScreenConfiguration* config = XRRGetScreenInfo(display, root);
  if (!config) return kDisplayChangeBadMode;
  std::int32_t result = kDisplayChangeBadMode;
  int count = 0;
  const XRRScreenSize* sizes = XRRConfigSizes(config, &count);
  for (int i = 0; i < count; ++i) {
    if (sizes[i].width != width || sizes[i].height != height) continue;
    Rotation rotation = 0;
    XRRConfigCurrentConfiguration(config, &rotation);
    const Status status = XRRSetScreenConfig(display, config, root, i, rotation, CurrentTime);
    result = status == RRSetConfigSuccess ? kDisplayChangeSuccessful : kDisplayChangeFailed;
    break;
  }
  XRRFreeScreenConfigInfo(config);
  return result;
}

}  // namespace

std::int32_t SetDisplayMode(const std::int16_t& width, const std::int16_t& height, const std::int16_t& color) {
  // A connection of its own: it works the same with or without Qt's.
  Display* display = XOpenDisplay(nullptr);
  if (!display) return kDisplayChangeBadMode;
  const int screen = DefaultScreen(display);
  const std::int32_t result =
      offersDepth(display, screen, color) ? setSize(display, screen, width, height) : kDisplayChangeBadMode;
  XCloseDisplay(display);
  return result;
}

}  // namespace lumivox
