#pragma once
#include <cstdint>
#include <optional>

#include "common/ScreenRect.h"

namespace lumivox {

// The window that has the keyboard focus, whichever program's, and handing
// the focus to a window again later: the game's, which the program's own
// toolkit cannot activate.
class WindowFocus {
 public:
  using WindowId = std::uintptr_t;
  struct Focused {
    WindowId id = 0;
    bool ours = false;                 // one of this program's windows
    std::optional<ScreenRect> frame;   // where it stands, frame included
  };
  virtual ~WindowFocus() = default;
  // Nothing when no window has the focus or the system does not say.
  virtual std::optional<Focused> focused() = 0;
  // Gives the window the focus, raised; false when it is gone.
  virtual bool focus(WindowId window) = 0;
};

}  // namespace lumivox
