#include <gtest/gtest.h>

#include <tuple>

#include "platform/KeyWatchWin.h"

using lumivox::AsyncKeyStateWatch;
namespace vk = lumivox::vk;

namespace {

// The system's key state of one key: bit 15 while down, bit 0 set by each
// press (auto-repeat included) and cleared by each query. Under Wine, presses
// in another window leave bit 0 clear.
struct FakeKey {
  bool down = false;
  bool pressedSinceQuery = false;
  bool setsBit0 = true;

  void press() {
    down = true;
    if (setsBit0) pressedSinceQuery = true;
  }
  void release() { down = false; }
  std::int16_t query() {
    const auto state = static_cast<std::int16_t>((down ? 0x8000 : 0) | (pressedSinceQuery ? 1 : 0));
    pressedSinceQuery = false;
    return state;
  }
};

struct KeyWatchWin : testing::Test {
  FakeKey space;
  AsyncKeyStateWatch watch{[this](int key) -> std::int16_t { return key == vk::Space ? space.query() : 0; }};
  bool tick() { return watch.pressedSinceLastAsked(vk::Space); }
};

}  // namespace

TEST_F(KeyWatchWin, ATapWithinOneTickCountsOnce) {
  EXPECT_FALSE(tick());
  space.press();
  space.release();
  EXPECT_TRUE(tick()) << "up again at the tick: only bit 0 saw it";
  EXPECT_FALSE(tick());
}

TEST_F(KeyWatchWin, AHeldKeyCountsOnceWhateverItsAutoRepeat) {
  space.press();
  EXPECT_TRUE(tick());
  for (int i = 0; i < 50; ++i) {
    space.press();  // auto-repeat
    EXPECT_FALSE(tick()) << i;
  }
  space.release();
  EXPECT_FALSE(tick());
  space.press();
  EXPECT_TRUE(tick()) << "the next press";
}

TEST_F(KeyWatchWin, SeveralPressesBetweenTwoTicksCountOnce) {
  space.press();
  space.release();
  space.press();
  EXPECT_TRUE(tick());
  space.release();
  EXPECT_FALSE(tick());
}

TEST_F(KeyWatchWin, WithoutBit0TheEdgesOfBit15Count) {
  space.setsBit0 = false;
  for (int press = 0; press < 10; ++press) {
    space.press();
    EXPECT_TRUE(tick()) << press;
    EXPECT_FALSE(tick()) << press;
    space.release();
    EXPECT_FALSE(tick()) << press;
  }
}

TEST_F(KeyWatchWin, ForgettingDropsATapAndWaitsForAHeldKeyToBeLetGo) {
  space.press();
  space.release();
  watch.forgetPresses();
  EXPECT_FALSE(tick()) << "the tap was before forgetting";

  space.press();
  watch.forgetPresses();
  EXPECT_FALSE(tick()) << "held since before forgetting";
  space.release();
  EXPECT_FALSE(tick());
  space.press();
  EXPECT_TRUE(tick());
}

// Under Wine the generic Shift, Ctrl and Alt keys show only whether either
// side is down; the left and right keys also keep a press since the last
// query, so a tap between two ticks is seen there alone.
TEST(KeyWatchWinModifier, ATapOfEitherSideCountsOnceForTheModifier) {
  for (const auto& [modifier, leftKey, rightKey] : {std::tuple{vk::Shift, vk::LeftShift, vk::RightShift},
                                                   std::tuple{vk::Control, vk::LeftControl, vk::RightControl},
                                                   std::tuple{vk::Menu, vk::LeftMenu, vk::RightMenu}}) {
    FakeKey left, right;
    AsyncKeyStateWatch watch{[&](int key) -> std::int16_t {
      if (key == leftKey) return left.query();
      if (key == rightKey) return right.query();
      return key == modifier && (left.down || right.down) ? std::int16_t(0x8000) : 0;
    }};
    const auto tick = [&] { return watch.pressedSinceLastAsked(modifier); };
    left.press();
    left.release();
    EXPECT_TRUE(tick()) << modifier << ": a tap of the left key";
    EXPECT_FALSE(tick()) << modifier;
    right.press();
    right.release();
    EXPECT_TRUE(tick()) << modifier << ": a tap of the right key";
    right.press();
    EXPECT_TRUE(tick()) << modifier << ": held";
    right.press();  // auto-repeat
    EXPECT_FALSE(tick()) << modifier;
    right.release();
    EXPECT_FALSE(tick()) << modifier;
  }
}

TEST_F(KeyWatchWin, IsDownIsTheHighBitAndLeavesThePressToBeCounted) {
  EXPECT_FALSE(watch.isDown(vk::Space));
  space.press();
  EXPECT_TRUE(watch.isDown(vk::Space));
  EXPECT_TRUE(tick()) << "the press is still there to count";
  space.release();
  EXPECT_FALSE(watch.isDown(vk::Space));
}
