#include <gtest/gtest.h>

#include "platform/DisplayMode.h"

using namespace lumivox;

// No test changes the display: a mode no screen has goes to the system and
// comes back refused, with the system's own code.
TEST(DisplayModeWin, AModeNoScreenHasIsRefusedAsABadMode) {
  const std::int16_t width = -5, height = -5, color = -1;
  EXPECT_EQ(SetDisplayMode(width, height, color), kDisplayChangeBadMode);
  EXPECT_EQ(width, -5);
}
