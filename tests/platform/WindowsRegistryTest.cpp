// Runs under Wine, in the prefix where write_registry_values.sh has written
// its values in a Chinese locale (with GBK as the ANSI code page, as a game's
// set-up writes them), once in that locale and once in one whose ANSI code
// page is Western (1252): the answers are the same.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "info/RegistryValue.h"
#include "platform/ProgramStartWin.h"
#include "platform/RegistryWin.h"
#include "platform/WineRegistry.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

constexpr const char* kKey = "Software\\LumivoxRegistryCheck";
constexpr const char* kOddKey = "Software\\LumivoxRegistryCheck\\Odd";
constexpr const char* kDefault = "(default)";

// The prefix's folder as a Windows path: Wine maps the Unix root to Z:.
std::string winePrefixFolder() {
  const char* prefix = std::getenv("WINEPREFIX");
  return prefix && *prefix ? std::string("Z:") + prefix : std::string();
}

struct Expected {
  const char* key;
  const char* value;
  const char* text;
};

const Expected kExpected[] = {
    {kKey, "Folder", "D:\\游戏 目录\\空之轨迹"},
    {kKey, "Empty", ""},
    {kKey, "One", "1"},
    {kKey, "Minus", "-1"},
    {kKey, "Expand", ""},          // longer than the integer
    {kKey, "ShortExpand", "25185"},  // "ab" and its NUL fit in four bytes
    {kKey, "Binary", "513"},
    {kKey, "LongBinary", ""},
    {kOddKey, "NoNul", ""},
    {kOddKey, "EmbeddedNul", "C"},
    {kOddKey, "OddLength", "C"},
    {kOddKey, "Continued", "C:\\"},
    {kOddKey, "Malformed", "0"},  // Wine keeps it as a value of no type and no data
    {kOddKey, "Escapes", "a\"bzcxAAg"},
    {kOddKey, "Raw", "D:\\游戏"},
    {kKey, "folder", "D:\\游戏 目录\\空之轨迹"},  // names ignore case
    {kKey, "Missing", ""},
    {"Software\\LumivoxRegistryCheck\\Missing", "Folder", kDefault},
};

}  // namespace

TEST(WindowsRegistry, ReadsTheValuesWineRegAddWroteWhateverTheAnsiCodePage) {
  // The code page the locale it was started in gives (LUMIVOX_ANSI_CODE_PAGE).
  const char* codePage = std::getenv("LUMIVOX_ANSI_CODE_PAGE");
  ASSERT_TRUE(codePage);
  ASSERT_EQ(GetACP(), std::strtoul(codePage, nullptr, 10));
  WindowsRegistry registry;
  for (const Expected& e : kExpected)
    EXPECT_EQ(ReadRegistryValue(registry, kHkeyCurrentUser, e.key, e.value, kDefault), e.text)
        << e.value << " in the ANSI code page " << GetACP();
}

TEST(WindowsRegistry, TheUserRegReaderGivesTheSameAnswersOnThePrefixFile) {
  const std::string prefix = winePrefixFolder();
  ASSERT_FALSE(prefix.empty()) << "WINEPREFIX is not set";
  WindowsRegistry windows;
  WineRegistry wine(prefix);
  for (const Expected& e : kExpected) {
    const std::string answer = ReadRegistryValue(windows, kHkeyCurrentUser, e.key, e.value, kDefault);
    EXPECT_EQ(ReadRegistryValue(wine, kHkeyCurrentUser, e.key, e.value, kDefault), answer) << e.value;
  }
}

TEST(WindowsProgramStarter, StartsMinimizedInItsFolderWithoutTheFocusOrFailsWithoutABox) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const auto folder = dir.path() / std::filesystem::path(u8"游戏 目录");
  std::filesystem::create_directory(folder);
  std::filesystem::copy_file(LUMIVOX_STAND_IN_GAME, folder / "ED6_WIN2.exe");
  const auto u8Folder = folder.u8string();
  const std::string gamePath(u8Folder.begin(), u8Folder.end());

  WindowsProgramStarter starter;
  ASSERT_TRUE(starter.start(gamePath + "\\ED6_WIN2.exe", gamePath));
  const auto marker = folder / "ED6_WIN2.started";
  for (int i = 0; i < 1000 && readBytes(marker).empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(readBytes(marker), "show=7\r\ndir=" + gamePath + "\r\n");  // SW_SHOWMINNOACTIVE

  EXPECT_FALSE(starter.start(gamePath + "\\missing.exe", gamePath));
  // The game may still be ending after its marker: its program cannot be
  // written over until it has.
  const auto program = folder / "ED6_WIN2.exe";
  for (int i = 0; i < 1000 && readBytes(program) != "no program\r\n"; ++i) {
    writeBytes(program, "no program\r\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_EQ(readBytes(program), "no program\r\n");
  EXPECT_FALSE(starter.start(gamePath + "\\ED6_WIN2.exe", gamePath));
}
