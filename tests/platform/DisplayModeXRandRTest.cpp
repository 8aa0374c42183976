#include <gtest/gtest.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <string>

#include "platform/DisplayMode.h"

using namespace lumivox;

namespace {

// An X server resets when its last client leaves, and refuses connections
// meanwhile; a desktop always has clients, so the test keeps one too.
class KeepDisplayOpen final : public ::testing::Environment {
 public:
  void SetUp() override { display_ = XOpenDisplay(nullptr); }
  void TearDown() override {
    if (display_) XCloseDisplay(display_);
  }

 private:
  Display* display_ = nullptr;
};
const auto* const keepDisplayOpen = ::testing::AddGlobalTestEnvironment(new KeepDisplayOpen);

// The size and depth of the X screen the test runs on.
struct ScreenMode {
  int width = 0, height = 0, depth = 0;
};

ScreenMode currentScreen() {
  ScreenMode screen;
  if (Display* display = XOpenDisplay(nullptr)) {
    const int number = DefaultScreen(display);
    screen = {DisplayWidth(display, number), DisplayHeight(display, number), DefaultDepth(display, number)};
    XCloseDisplay(display);
  }
  return screen;
}

std::int32_t setMode(int width, int height, int color) {
  const auto w = static_cast<std::int16_t>(width), h = static_cast<std::int16_t>(height),
             c = static_cast<std::int16_t>(color);
  const std::int32_t result = SetDisplayMode(w, h, c);
  EXPECT_EQ(w, static_cast<std::int16_t>(width));  // the arguments are left as they were
  return result;
}

}  // namespace

// On a virtual display of 1024 x 768 at depth 24, which offers that one size.
TEST(DisplayModeXRandR, AModeTheDisplayOffersIsSet) {
  const ScreenMode screen = currentScreen();
  ASSERT_EQ(screen.depth, 24) << "run on a 24-bit X display";
  EXPECT_EQ(setMode(screen.width, screen.height, -1), kDisplayChangeSuccessful);
  EXPECT_EQ(setMode(screen.width, screen.height, 24), kDisplayChangeSuccessful);
  EXPECT_EQ(setMode(screen.width, screen.height, 32), kDisplayChangeSuccessful);  // 24-bit colour in 32 bits
  const ScreenMode after = currentScreen();
  EXPECT_EQ(after.width, screen.width);
  EXPECT_EQ(after.height, screen.height);
}

TEST(DisplayModeXRandR, AnyOtherModeIsABadMode) {
  const ScreenMode screen = currentScreen();
  EXPECT_EQ(setMode(screen.width, screen.height, 16), kDisplayChangeBadMode);
  EXPECT_EQ(setMode(screen.width, screen.height, 8), kDisplayChangeBadMode);
  EXPECT_EQ(setMode(333, 222, -1), kDisplayChangeBadMode);
  EXPECT_EQ(setMode(-screen.width, -screen.height, -1), kDisplayChangeBadMode);
  EXPECT_EQ(setMode(0, 0, -1), kDisplayChangeBadMode);
}

TEST(DisplayModeXRandR, WithoutADisplayEveryModeIsABadMode) {
  const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
  setenv("DISPLAY", ":65000", 1);
  EXPECT_EQ(setMode(1024, 768, -1), kDisplayChangeBadMode);
  setenv("DISPLAY", display.c_str(), 1);
}
