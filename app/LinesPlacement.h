#pragma once
#include <optional>

#include "common/ScreenRect.h"

namespace lumivox {

// Where the lines window opens, in frame pixels: beside the main window
// (right, left, below or above it, in that order of preference) and covering
// none of it, covering as little of the game as the sides allow, within the
// work area. A side narrower than the window it wants still takes it, cut
// down to no less than its smallest size; when no side has that much room,
// the work area's corner that covers least of the main window.
ScreenRect placeLinesWindow(const ScreenRect& main, const ScreenRect& workArea, const std::optional<ScreenRect>& game,
                            int width, int height, int smallestWidth, int smallestHeight);

}  // namespace lumivox
