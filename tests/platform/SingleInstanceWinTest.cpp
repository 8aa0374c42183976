#include <gtest/gtest.h>

#include <optional>

#include "platform/SingleInstanceWin.h"

using lumivox::WindowsSingleInstance;

TEST(SingleInstanceWin, ASecondCopyFindsTheFirstUntilItEnds) {
  const wchar_t* name = L"Local\\Lumivox.SingleInstanceTest";
  auto first = std::make_optional<WindowsSingleInstance>(name);
  EXPECT_FALSE(first->anotherInstanceRunning());
  EXPECT_TRUE(WindowsSingleInstance(name).anotherInstanceRunning());
  first.reset();
  EXPECT_FALSE(WindowsSingleInstance(name).anotherInstanceRunning());
}
