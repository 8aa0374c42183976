#pragma once
#include <windows.h>

#include "common/Twips.h"

namespace lumivox {

// Dots per inch of the screen the window is on (of the main screen for no
// window).
int dotsPerInch(HWND window);

}  // namespace lumivox
