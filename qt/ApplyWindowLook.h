#pragma once

class QWidget;

namespace lumivox {

// The 窗口 menu's look on one top-level window, through the window manager:
// above the others, or back among them (a shown window stays shown and
// where it was); see-through at that percentage.
void setStaysOnTop(QWidget& window, bool onTop);
void setOpacityPercent(QWidget& window, int percent);

// A modeless window of the program's own (About, the check's report) that
// stands on its own, or above `owner` while that one stays on top: the
// window manager keeps a window above the one it is for, in that one's
// layer. A shown window is shown again where it was.
void setOwnerWhileOnTop(QWidget& window, QWidget& owner, bool onTop);
// For such a window as it shows: without an owner, Qt would keep a dialog
// above whatever window was active when it opened.
void keepToItsOwner(QWidget& window);

}  // namespace lumivox
