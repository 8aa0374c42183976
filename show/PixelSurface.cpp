#include "show/PixelSurface.h"

#include <algorithm>
#include <cstddef>

namespace lumivox {
namespace {
constexpr std::uint32_t kOpaque = 0xFF000000;
}

void fillSurface(PixelSurface surface, std::uint32_t rgb) {
  for (int y = 0; y < surface.height; ++y)
    std::fill_n(surface.pixels + static_cast<std::ptrdiff_t>(y) * surface.stride, surface.width, kOpaque | rgb);
}

void stretchCopy(PixelSurface surface, const Picture& picture, PixelRect source, PixelRect destination) {
  if (source.width <= 0 || source.height <= 0 || destination.width <= 0 || destination.height <= 0) return;
  const int top = std::max(destination.y, 0);
  const int bottom = std::min(destination.y + destination.height, surface.height);
  const int left = std::max(destination.x, 0);
  const int right = std::min(destination.x + destination.width, surface.width);
  for (int y = top; y < bottom; ++y) {
    const long long row = static_cast<long long>(y - destination.y) * source.height / destination.height;
    const int sy = source.y + static_cast<int>(row);
    if (sy < 0 || sy >= picture.height) continue;
    std::uint32_t* line = surface.pixels + static_cast<std::ptrdiff_t>(y) * surface.stride;
    for (int x = left; x < right; ++x) {
      const long long column = static_cast<long long>(x - destination.x) * source.width / destination.width;
      const int sx = source.x + static_cast<int>(column);
      if (sx < 0 || sx >= picture.width) continue;
      line[x] = kOpaque | picture.at(sx, sy);
    }
  }
}

}  // namespace lumivox
