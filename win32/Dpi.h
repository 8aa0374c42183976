#pragma once
#include <windows.h>

namespace lumivox {

// Dots per inch of the screen the window is on (of the main screen for no
// window).
int dotsPerInch(HWND window);

// Positions are designed in twips (1440 to the inch), rounded to the nearest
// pixel.
inline int twipsToPixels(int twips, int dotsPerInch) { return MulDiv(twips, dotsPerInch, 1440); }

}  // namespace lumivox
