#pragma once
#include <string_view>

namespace lumivox {

class IndexModel;

// The main window's outer height (title bar, menu bar and borders included)
// and which of its controls show: what lies below its lower edge as designed
// is hidden.
class WindowHeight {
 public:
  virtual ~WindowHeight() = default;
  virtual void setOuterHeightTwips(int twips) = 0;
  virtual void setControlShown(std::string_view control, bool shown) = 0;
};

// Collapsed, the track choice (Frame3) and the counter row lie below the
// window's lower edge; expanded, they show again.
inline constexpr int kCollapsedHeightTwips = 5235;
inline constexpr int kExpandedHeightTwips = 7100;

// The expand command is usable exactly while the window is collapsed.
void collapseTrackChoice(WindowHeight& window, IndexModel& view);
void expandTrackChoice(WindowHeight& window, IndexModel& view);

}  // namespace lumivox
