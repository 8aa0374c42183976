#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdlib>
#include <optional>

#include "platform/SingleInstanceQt.h"
#include "support/TempWorkDir.h"

TEST(QtSingleInstance, SecondCopyFindsTheFirstUntilItEnds) {
  TempWorkDir runtime(TempWorkDir::Data::None);
  // Qt only takes a runtime folder that nobody else can read.
  std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
  const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.path().string()));
  {
    auto first = std::make_optional<lumivox::QtSingleInstance>();
    EXPECT_FALSE(first->anotherInstanceRunning());
    lumivox::QtSingleInstance second;
    EXPECT_TRUE(second.anotherInstanceRunning());
    first.reset();
    lumivox::QtSingleInstance third;
    EXPECT_FALSE(third.anotherInstanceRunning());
  }
  qputenv("XDG_RUNTIME_DIR", previous);
}
