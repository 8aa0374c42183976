#pragma once
#include "platform/WindowFocus.h"

namespace lumivox {

// The foreground window, and bringing a window to the foreground again: this
// program may do so while one of its windows is in the foreground.
class WinWindowFocus final : public WindowFocus {
 public:
  std::optional<Focused> focused() override;
  bool focus(WindowId window) override;
};

}  // namespace lumivox
