#include <gtest/gtest.h>

#include "app/LinesPlacement.h"
#include "app/LinesView.h"

using namespace lumivox;

namespace {

// The main window's frame as the program opens it at 96 dots an inch.
constexpr int kMainWidth = 245, kMainHeight = 470;

ScreenRect place(const ScreenRect& main, const ScreenRect& work, const std::optional<ScreenRect>& game = {}) {
  return placeLinesWindow(main, work, game, kLinesWindowWidth, kLinesWindowHeight, kLinesWindowSmallestWidth,
                          kLinesWindowSmallestHeight);
}

bool overlaps(const ScreenRect& a, const ScreenRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool inside(const ScreenRect& a, const ScreenRect& area) {
  return a.left >= area.left && a.top >= area.top && a.right() <= area.right() && a.bottom() <= area.bottom();
}

}  // namespace

TEST(LinesPlacement, NeverOnTheMainWindowWhereverItStandsOnCommonScreens) {
  for (const ScreenRect work : {ScreenRect{0, 0, 1280, 984}, ScreenRect{0, 0, 1366, 728}, ScreenRect{0, 0, 1920, 1040}}) {
    for (int left = 0; left + kMainWidth <= work.width; left += 37) {
      const ScreenRect main{left, 100, kMainWidth, kMainHeight};
      const ScreenRect at = place(main, work);
      SCOPED_TRACE(std::to_string(work.width) + " wide, main window at " + std::to_string(left));
      EXPECT_FALSE(overlaps(at, main));
      EXPECT_TRUE(inside(at, work));
      EXPECT_GE(at.width, kLinesWindowSmallestWidth);
      EXPECT_EQ(at.height, kLinesWindowHeight);
    }
  }
  // In the middle of a 1280 screen: to its right, as wide as the room there.
  const ScreenRect main{517, 200, kMainWidth, kMainHeight};
  EXPECT_EQ(place(main, {0, 0, 1280, 984}), (ScreenRect{762, 200, 518, kLinesWindowHeight}));
  // Room enough: the whole window, the top lined up with the main window's.
  EXPECT_EQ(place(main, {0, 0, 1920, 1040}), (ScreenRect{762, 200, kLinesWindowWidth, kLinesWindowHeight}));
  // Low on the screen, its top is raised to keep its bottom on the screen.
  EXPECT_EQ(place({100, 600, kMainWidth, kMainHeight}, {0, 0, 1920, 1040}).top, 1040 - kLinesWindowHeight);
}

TEST(LinesPlacement, TheSideThatCoversLeastOfTheGame) {
  const ScreenRect work{0, 0, 1920, 1040};
  // The game on the left, the main window at the right edge: below it, not left of it.
  const ScreenRect game{0, 0, 1280, 720};
  const ScreenRect main{1675, 0, kMainWidth, kMainHeight};
  const ScreenRect at = place(main, work, game);
  EXPECT_EQ(at, (ScreenRect{1360, kMainHeight, kLinesWindowWidth, kLinesWindowHeight}));
  // A game over the whole screen is covered somewhere: the first side, as without one.
  EXPECT_EQ(place(main, work, work), place(main, work));
}

TEST(LinesPlacement, NoSideWithRoomTakesTheCornerThatCoversLeastOfTheMainWindow) {
  // 800 × 600 with the main window in the middle: no side has room for the
  // smallest window, and the top corners cover less of it than the bottom ones.
  const ScreenRect work{0, 0, 800, 600};
  const ScreenRect main{278, 200, kMainWidth, 300};
  EXPECT_EQ(place(main, work), (ScreenRect{800 - kLinesWindowWidth, 0, kLinesWindowWidth, kLinesWindowHeight}));
}
