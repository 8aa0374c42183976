#pragma once

class QWidget;

namespace lumivox {

// The 窗口 menu's look on one top-level window, through the window manager:
// above the others, or back among them (a shown window stays shown and
// where it was); see-through at that percentage.
void setStaysOnTop(QWidget& window, bool onTop);
void setOpacityPercent(QWidget& window, int percent);

}  // namespace lumivox
