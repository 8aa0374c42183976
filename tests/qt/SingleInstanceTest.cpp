#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdlib>
#include <optional>

#include "qt/SingleInstance.h"
#include "support/TempWorkDir.h"

TEST(SingleInstance, SecondCopyFindsTheFirstUntilItEnds) {
  TempWorkDir runtime(TempWorkDir::Data::None);
  // Qt only takes a runtime folder that nobody else can read.
  std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
  const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path().string()));
  {
    auto first = std::make_optional<lumivox::SingleInstance>();
    EXPECT_FALSE(first->anotherInstanceRunning());
    lumivox::SingleInstance second;
    EXPECT_TRUE(second.anotherInstanceRunning());
    first.reset();
    lumivox::SingleInstance third;
    EXPECT_FALSE(third.anotherInstanceRunning());
  }
  qputenv("XDG_RUNTIME_DIR", previous);
}
