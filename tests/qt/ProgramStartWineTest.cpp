#include <gtest/gtest.h>

#include <QByteArray>
#include <chrono>
#include <thread>

#include "qt/ProgramStartWine.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

namespace {

// Puts a stand-in `wine` first on the PATH: it writes the prefix it was given
// and its arguments, each ended by a NUL, then renames the record into place.
class FakeWine {
 public:
  FakeWine() : previousPath_(qgetenv("PATH")) {
    const auto script = dir_.path() / "wine";
    writeBytes(script,
               "#!/bin/sh\n"
               "{ printf '%s\\0' \"$WINEPREFIX\"; printf '%s\\0' \"$@\"; } > \"$0.tmp\"\n"
               "mv \"$0.tmp\" \"$0.record\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    qputenv("PATH", QByteArray::fromStdString(dir_.path().string()) + ":/usr/bin:/bin");
  }
  ~FakeWine() { qputenv("PATH", previousPath_); }

  // The prefix and the arguments, once wine has run.
  std::vector<std::string> record() const {
    const auto file = dir_.path() / "wine.record";
    for (int i = 0; i < 500 && !std::filesystem::exists(file); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<std::string> fields;
    const std::string bytes = readBytes(file);
    for (std::size_t start = 0, end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1)
      fields.push_back(bytes.substr(start, end - start));
    return fields;
  }

 private:
  TempWorkDir dir_{TempWorkDir::Data::None};
  QByteArray previousPath_;
};

}  // namespace

TEST(WineProgramStarter, RunsTheCommandThroughWineInThePrefixWithoutAShell) {
  FakeWine wine;
  lumivox::WineProgramStarter starter("/home/player/游戏 prefix");
  const std::string game = "Z:\\home\\player\\游戏  目录 $HOME `id` 'q' ; & |\\ED6_WIN2.exe";
  ASSERT_TRUE(starter.start("Rundll32.exe url.dll, FileProtocolHandler " + game));
  EXPECT_EQ(wine.record(), (std::vector<std::string>{"/home/player/游戏 prefix", "Rundll32.exe",
                                                      "url.dll,FileProtocolHandler", game}));
}

TEST(WineProgramStarter, FailsWhenWineIsMissing) {
  TempWorkDir empty(TempWorkDir::Data::None);
  const QByteArray previousPath = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(empty.path().string()));
  lumivox::WineProgramStarter starter("/nowhere");
  EXPECT_FALSE(starter.start("Rundll32.exe url.dll, FileProtocolHandler C:\\x\\ED6_WIN2.exe"));
  qputenv("PATH", previousPath);
}
