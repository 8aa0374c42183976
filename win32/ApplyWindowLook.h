#pragma once
#include <windows.h>

namespace lumivox {

// The 窗口 menu's look on one top-level window: above every window that is
// not topmost itself, or back among them; see-through at that percentage.
void setStaysOnTop(HWND window, bool onTop);
void setOpacityPercent(HWND window, int percent);

}  // namespace lumivox
