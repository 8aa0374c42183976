#pragma once
#include <windows.h>

namespace lumivox {

// Moves a top-level window, as it is sized now, to the middle of the main
// screen's work area (the screen less the task bar), where Windows puts its
// own boxes. Leaves its visibility and stacking as they are.
void centreOnScreen(HWND window);

}  // namespace lumivox
