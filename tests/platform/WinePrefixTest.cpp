#include <gtest/gtest.h>

#include "platform/WinePrefix.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using lumivox::isWinePrefix;
using lumivox::unixPathInPrefix;
namespace fs = std::filesystem;

TEST(WinePrefix, WindowsPathsLeadWhereWineFindsThem) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path prefix = dir.path() / "prefix";
  const fs::path game = prefix / "drive_c" / "Program Files" / "Falcom" / "ED_SORA2";
  const fs::path other = dir.path() / "其他 盘";
  fs::create_directories(game);
  fs::create_directories(other / "游戏 目录" / "GAME");
  fs::create_directories(other / "游戏 目录" / "Game");
  fs::create_directories(other / "Игра" / "ｇａｍｅ");
  fs::create_directories(prefix / "dosdevices");
  writeBytes(game / "ED6_WIN2.exe", "MZ");
  fs::create_directory_symlink("../drive_c", prefix / "dosdevices" / "c:");
  fs::create_directory_symlink(other, prefix / "dosdevices" / "d:");
  const std::string p = prefix.string();

  EXPECT_EQ(unixPathInPrefix(p, "C:\\PROGRAM FILES\\FALCOM\\ED_SORA2\\ED6_WIN2.exe"),
            (prefix / "dosdevices/c:/Program Files/Falcom/ED_SORA2/ED6_WIN2.exe").string());
  EXPECT_EQ(unixPathInPrefix(p, "c:/program files\\.\\x\\..\\falcom\\\\ed_sora2\\ed6_win2.EXE"),
            (prefix / "dosdevices/c:/Program Files/Falcom/ED_SORA2/ED6_WIN2.exe").string());
  EXPECT_EQ(unixPathInPrefix(p, "D:\\游戏 目录\\Game"), (prefix / "dosdevices/d:/游戏 目录/Game").string());
  EXPECT_EQ(unixPathInPrefix(p, "D:\\游戏 目录\\GAME"), (prefix / "dosdevices/d:/游戏 目录/GAME").string());
  EXPECT_EQ(unixPathInPrefix(p, "D:\\иГРА\\ＧＡＭＥ"), (prefix / "dosdevices/d:/Игра/ｇａｍｅ").string());
  EXPECT_EQ(unixPathInPrefix(p, "D:\\"), (prefix / "dosdevices/d:").string());

  for (const char* missing : {"C:\\PROGRAM FILES\\FALCOM\\ED_SORA2\\ED6_WIN2.exe\\x", "C:\\Program Files\\Falcom\\ED_SORA",
                              "E:\\ED6_WIN2.exe", "\\ED6_WIN2.exe", "C:ED6_WIN2.exe", "\\\\server\\share\\x.exe", "", "C:"})
    EXPECT_EQ(unixPathInPrefix(p, missing), std::nullopt) << missing;
  EXPECT_EQ(unixPathInPrefix((dir.path() / "none").string(), "C:\\"), std::nullopt);
}

TEST(WinePrefix, APrefixHasItsSystemRegistry) {
  TempWorkDir dir(TempWorkDir::Data::None);
  EXPECT_FALSE(isWinePrefix(dir.path().string()));
  EXPECT_FALSE(isWinePrefix((dir.path() / "none").string()));
  EXPECT_FALSE(isWinePrefix(""));
  fs::create_directory(dir.path() / "system.reg");
  EXPECT_FALSE(isWinePrefix(dir.path().string()));
  fs::remove(dir.path() / "system.reg");
  writeBytes(dir.path() / "system.reg", "WINE REGISTRY Version 2\n");
  EXPECT_TRUE(isWinePrefix(dir.path().string()));
}
