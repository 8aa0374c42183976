#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "common/Paths.h"
#include "support/TempWorkDir.h"

TEST(Paths, CurrentDirectoryAtTheMomentOfUsePlusRelativePath) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(lumivox::pathInCurrentDirectory("/Data/HotKeys.opi"), cwd + "/Data/HotKeys.opi");
#ifndef _WIN32
  EXPECT_EQ(lumivox::pathInCurrentDirectory("\\Data\\Quorra.data"), cwd + "/Data/Quorra.data");
#else
  EXPECT_EQ(lumivox::pathInCurrentDirectory("\\Data\\Quorra.data"), cwd + "\\Data\\Quorra.data");
#endif

  std::filesystem::create_directory("inner");
  std::filesystem::current_path("inner");
  EXPECT_EQ(lumivox::pathInCurrentDirectory("/Data/Save.sav"),
            std::filesystem::current_path().string() + "/Data/Save.sav");
  EXPECT_NE(std::filesystem::current_path().string(), cwd);
}

TEST(Paths, SeveralPathsFollowTheCurrentDirectoryAtEachRefresh) {
  TempWorkDir dir(TempWorkDir::Data::None);
  lumivox::PathsInCurrentDirectory paths{"\\Data\\Quorra.data", "/Data/HotKeys.opi"};
  const std::vector<std::string> first = paths.refresh();
  EXPECT_EQ(first, (std::vector<std::string>{lumivox::pathInCurrentDirectory("\\Data\\Quorra.data"),
                                             lumivox::pathInCurrentDirectory("/Data/HotKeys.opi")}));
  EXPECT_EQ(paths.refresh(), first);
  std::filesystem::create_directory("inner");
  std::filesystem::current_path("inner");
  EXPECT_EQ(paths.refresh()[1], std::filesystem::current_path().string() + "/Data/HotKeys.opi");
  std::filesystem::current_path("..");
  EXPECT_EQ(paths.refresh(), first);
}

TEST(Paths, AskedAtMostAsOftenAsToldThenFollowTheDirectoryAgain) {
  TempWorkDir dir(TempWorkDir::Data::None);
  lumivox::PathsInCurrentDirectory paths{{"/Data/HotKeys.opi"}, std::chrono::milliseconds(300)};
  const std::string first = paths.refresh()[0];
  std::filesystem::create_directory("inner");
  std::filesystem::current_path("inner");
  const std::string moved = std::filesystem::current_path().string() + "/Data/HotKeys.opi";
  EXPECT_FALSE(paths.due());
  EXPECT_EQ(paths.refresh()[0], first);  // not asked again yet
  std::this_thread::sleep_for(std::chrono::milliseconds(350));
  EXPECT_TRUE(paths.due());
  EXPECT_EQ(paths.refresh()[0], moved);
  std::filesystem::current_path("..");
}

#ifndef _WIN32
// On POSIX a backslash is an ordinary file-name character.
TEST(Paths, BackslashesInTheFolderNameAreKept) {
  TempWorkDir dir(TempWorkDir::Data::None);
  std::filesystem::create_directory("odd\\name");
  std::filesystem::current_path("odd\\name");
  const std::string path = lumivox::pathInCurrentDirectory("\\Data\\Door.data");
  EXPECT_NE(path.find("odd\\name/Data/Door.data"), std::string::npos) << path;
}
#endif
