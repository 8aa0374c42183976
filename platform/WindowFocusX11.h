#pragma once
#include "platform/WindowFocus.h"

typedef struct _XDisplay Display;

namespace lumivox {

// The focus on the X display, through a connection of its own: the window
// manager's active window (_NET_ACTIVE_WINDOW) where there is one, else the
// server's input focus. The focus is handed over through the window manager
// when it takes such requests, else set on the window directly.
class X11WindowFocus final : public WindowFocus {
 public:
  X11WindowFocus();
  ~X11WindowFocus() override;
  X11WindowFocus(const X11WindowFocus&) = delete;
  X11WindowFocus& operator=(const X11WindowFocus&) = delete;

  std::optional<Focused> focused() override;
  bool focus(WindowId window) override;

 private:
  Display* display_ = nullptr;
};

}  // namespace lumivox
