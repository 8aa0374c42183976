#include "app/LinesPlacement.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace lumivox {
namespace {

long long overlap(const ScreenRect& a, const ScreenRect& b) {
  const long long w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
  const long long h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

// Along one axis: the start that keeps `length` inside [low, high), as near
// `wanted` as it can.
int clampStart(int wanted, int length, int low, int high) { return std::max(low, std::min(wanted, high - length)); }

}  // namespace

ScreenRect placeLinesWindow(const ScreenRect& main, const ScreenRect& workArea, const std::optional<ScreenRect>& game,
                            int width, int height, int smallestWidth, int smallestHeight) {
  const ScreenRect& area = workArea;
  width = std::min(width, area.width);
  height = std::min(height, area.height);
  smallestWidth = std::min(smallestWidth, width);
  smallestHeight = std::min(smallestHeight, height);

  std::vector<ScreenRect> sides;
  const int roomRight = area.right() - main.right(), roomLeft = main.left - area.left;
  const int roomBelow = area.bottom() - main.bottom(), roomAbove = main.top - area.top;
  const int top = clampStart(main.top, height, area.top, area.bottom());
  const int left = clampStart(main.left, width, area.left, area.right());
  if (roomRight >= smallestWidth) sides.push_back({main.right(), top, std::min(width, roomRight), height});
  if (roomLeft >= smallestWidth) {
    const int w = std::min(width, roomLeft);
    sides.push_back({main.left - w, top, w, height});
  }
  if (roomBelow >= smallestHeight) sides.push_back({left, main.bottom(), width, std::min(height, roomBelow)});
  if (roomAbove >= smallestHeight) {
    const int h = std::min(height, roomAbove);
    sides.push_back({left, main.top - h, width, h});
  }
  auto gameCovered = [&](const ScreenRect& at) { return game ? overlap(at, *game) : 0; };
  if (!sides.empty())
    // The first side of those that cover least of the game.
    return *std::min_element(sides.begin(), sides.end(), [&](const ScreenRect& a, const ScreenRect& b) {
      return gameCovered(a) < gameCovered(b);
    });

  const std::vector<ScreenRect> corners{{area.right() - width, area.top, width, height},
                                        {area.left, area.top, width, height},
                                        {area.right() - width, area.bottom() - height, width, height},
                                        {area.left, area.bottom() - height, width, height}};
  return *std::min_element(corners.begin(), corners.end(), [&](const ScreenRect& a, const ScreenRect& b) {
    return std::pair(overlap(a, main), gameCovered(a)) < std::pair(overlap(b, main), gameCovered(b));
  });
}

}  // namespace lumivox
