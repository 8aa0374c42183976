#pragma once

namespace lumivox {

class IndexView;

// The main window's outer height (title bar, menu bar and borders included).
class WindowHeight {
 public:
  virtual ~WindowHeight() = default;
  virtual void setOuterHeightTwips(int twips) = 0;
};

// Collapsed, the track choice (Frame3) and the counter row lie below the
// window's lower edge; expanded, they show again.
inline constexpr int kCollapsedHeightTwips = 5235;
inline constexpr int kExpandedHeightTwips = 7100;
inline constexpr const char* kExpandItem = "显示主支线对话选择";

// The expand item is usable exactly while the window is collapsed.
void collapseTrackChoice(WindowHeight& window, IndexView& view);
void expandTrackChoice(WindowHeight& window, IndexView& view);

}  // namespace lumivox
