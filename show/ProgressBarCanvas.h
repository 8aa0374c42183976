#pragma once
#include "show/XpPictures.h"

namespace lumivox {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// The surface the progress bar control draws on, in pixels with the origin at
// the top-left corner. Everything the control draws is a stretch copy, so the
// drawing logic can be checked exactly against a recording canvas.
class ProgressBarCanvas {
 public:
  virtual ~ProgressBarCanvas() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;
  // Wipes the whole surface (to white).
  virtual void clear() = 0;
  // Scales the source rectangle of the picture onto the destination
  // rectangle; what falls outside the surface is cut off, and a rectangle
  // without area copies nothing.
  virtual void stretchCopy(const Picture& picture, PixelRect source, PixelRect destination) = 0;
};

}  // namespace lumivox
