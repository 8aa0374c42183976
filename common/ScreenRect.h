#pragma once

namespace lumivox {

// A rectangle on the screen in pixels: a window's frame, a work area.
struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }    // one past the last column
  int bottom() const { return top + height; }   // one past the last row
  bool operator==(const ScreenRect&) const = default;
};

}  // namespace lumivox
