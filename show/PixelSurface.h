#pragma once
#include <cstdint>

#include "show/ProgressBarCanvas.h"

namespace lumivox {

// 32-bit pixels owned elsewhere (the widget's back buffer, a test's vector),
// written as 0xFFRRGGBB. stride is counted in pixels.
struct PixelSurface {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};

void fillSurface(PixelSurface surface, std::uint32_t rgb);

// Nearest-neighbour stretch: destination pixel i of a row takes source pixel
// i * source.width / destination.width, and likewise for rows, so that
// enlarging repeats pixels and shrinking drops some, never blends.
void stretchCopy(PixelSurface surface, const Picture& picture, PixelRect source, PixelRect destination);

}  // namespace lumivox
