#pragma once
#include <windows.h>

namespace lumivox {

// The 窗口 menu's look on one top-level window: above every window that is
// not topmost itself, or back among them; see-through at that percentage.
void setStaysOnTop(HWND window, bool onTop);
void setOpacityPercent(HWND window, int percent);

// A modeless window of the program's own (About, the check's report) that
// stands on its own, or is owned by `owner` while that one stays on top: the
// system keeps an owned window above its owner, among the topmost windows
// with it.
void setOwnerWhileOnTop(HWND window, HWND owner, bool onTop);

}  // namespace lumivox
