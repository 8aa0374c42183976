#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <sys/wait.h>
#include <thread>

#include "platform/ProgramStartWine.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for the scope, then restores it.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* previous = std::getenv(name)) previous_ = previous;
    ::setenv(name, value, 1);
  }
  ~ScopedVariable() { previous_ ? ::setenv(name_, previous_->c_str(), 1) : ::unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

// A stand-in `wine` first on the PATH: each run adds a line to wine.runs,
// then writes the prefix it was given and its arguments, each ended by a
// NUL, and renames that record into place.
class FakeWine {
 public:
  FakeWine() {
    const auto script = dir_.path() / "wine";
    writeBytes(script,
               "#!/bin/sh\n"
               "echo run >> \"$0.runs\"\n"
               "{ printf '%s\\0' \"$WINEPREFIX\"; printf '%s\\0' \"$@\"; } > \"$0.tmp\"\n"
               "mv \"$0.tmp\" \"$0.record\"\n");
    fs::permissions(script, fs::perms::owner_all);
  }

  // The prefix and the arguments, once wine has run.
  std::vector<std::string> record() const {
    const auto file = dir_.path() / "wine.record";
    for (int i = 0; i < 500 && !fs::exists(file); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<std::string> fields;
    const std::string bytes = readBytes(file);
    for (std::size_t start = 0, end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1)
      fields.push_back(bytes.substr(start, end - start));
    return fields;
  }
  std::string runs() const { return readBytes(dir_.path() / "wine.runs"); }

 private:
  TempWorkDir dir_{TempWorkDir::Data::None};
  ScopedVariable path_{"PATH", (dir_.path().string() + ":/usr/bin:/bin").c_str()};
};

// A prefix as Wine makes one, as far as the starter looks: its system
// registry and drive Z: for the whole file system.
fs::path makePrefix(const fs::path& folder) {
  fs::create_directories(folder / "dosdevices");
  writeBytes(folder / "system.reg", "WINE REGISTRY Version 2\n");
  fs::create_directory_symlink("/", folder / "dosdevices" / "z:");
  return folder;
}

std::string windowsPath(const fs::path& path) {
  std::string text = "Z:" + path.string();
  for (char& c : text) c = c == '/' ? '\\' : c;
  return text;
}

}  // namespace

TEST(WineProgramStarter, StartsMinimizedInItsFolderThroughWineInThePrefixWithoutAShellAndLeavesNoChild) {
  FakeWine wine;
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path prefix = makePrefix(dir.path() / "游戏 prefix");
  const fs::path folder = dir.path() / "game  dir $HOME `id` 'q' ; & | 目录";
  fs::create_directories(folder);
  writeBytes(folder / "ED6_WIN2.exe", "MZ");
  const std::string gamePath = windowsPath(folder);
  const std::string game = gamePath + "\\ED6_WIN2.EXE";  // Wine finds names in any case

  // Nothing is started where Wine would not find the game, or would make a
  // new prefix.
  const fs::path noPrefix = dir.path() / "none";
  EXPECT_FALSE(lumivox::WineProgramStarter(noPrefix.string()).start(game, gamePath));
  EXPECT_FALSE(fs::exists(noPrefix));
  EXPECT_FALSE(lumivox::WineProgramStarter(folder.string()).start(game, gamePath));  // no system.reg
  lumivox::WineProgramStarter starter(prefix.string());
  EXPECT_FALSE(starter.start(gamePath + "\\missing\\ED6_WIN2.exe", gamePath + "\\missing"));
  EXPECT_FALSE(starter.start(gamePath, gamePath));                 // a folder
  EXPECT_FALSE(starter.start("\\ED6_WIN2.exe", ""));              // no game folder at all

  // A name outside ASCII reaches Wine only through a UTF-8 locale that is
  // installed (no character set has the second name).
  for (const char* locale : {"C", "zh_CN.NOSUCH"}) {
    const ScopedVariable lcAll("LC_ALL", locale);
    EXPECT_FALSE(starter.start(game, gamePath)) << locale;
  }

  const ScopedVariable lcAll("LC_ALL", "C.UTF-8");
  ASSERT_TRUE(starter.start(game, gamePath));
  errno = 0;
  EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  EXPECT_EQ(wine.record(),
            (std::vector<std::string>{prefix.string(), "start", "/min", "/d", gamePath, game}));
  EXPECT_EQ(wine.runs(), "run\n");
}

TEST(WineProgramStarter, FailsWhenWineIsMissing) {
  TempWorkDir dir(TempWorkDir::Data::None);
  const fs::path prefix = makePrefix(dir.path() / "prefix");
  writeBytes(dir.path() / "ED6_WIN2.exe", "MZ");
  const ScopedVariable path("PATH", dir.path().c_str());
  lumivox::WineProgramStarter starter(prefix.string());
  EXPECT_FALSE(starter.start(windowsPath(dir.path()) + "\\ED6_WIN2.exe", windowsPath(dir.path())));
}
