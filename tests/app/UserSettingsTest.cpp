// The player's settings file: what a start reads from it, what a save keeps.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/PlayerKeySettings.h"
#include "app/UserSettings.h"
#include "app/WindowLook.h"
#include "platform/KeyWatch.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using namespace lumivox;
namespace fs = std::filesystem;

namespace {

struct SettingsFolder {
  TempWorkDir dir{TempWorkDir::Data::None};
  fs::path folder = dir.path() / "config" / "lumivox";
  std::string path = (folder / "settings.ini").string();

  void write(const std::string& bytes) {
    fs::create_directories(folder);
    writeBytes(path, bytes);
  }
};

bool anyProblemHas(const UserSettings& settings, const std::string& words) {
  for (const std::string& problem : settings.problems())
    if (problem.find(words) != std::string::npos) return true;
  return false;
}

}  // namespace

TEST(UserSettings, MissingFileMeansDefaultsAndTheFirstSaveMakesFolderAndFile) {
  SettingsFolder files;
  {
    UserSettings settings(files.path);
    settings.load();
    EXPECT_EQ(readWindowLook(settings), WindowLook{});
    EXPECT_TRUE(settings.problems().empty());
    EXPECT_TRUE(settings.problemsText().empty());
    storeWindowLook(settings, {true, 70});
    settings.setText("Keys", "Pause", "Ctrl+Alt+P\r\nOpacity=1");
    EXPECT_EQ(settings.save(), std::nullopt);
  }
  // No temporary left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(files.folder), fs::directory_iterator()), 1);
  UserSettings again(files.path);
  again.load();
  EXPECT_EQ(readWindowLook(again), (WindowLook{true, 70}));
  EXPECT_EQ(again.text("keys", "PAUSE"), "Ctrl+Alt+P");
  EXPECT_TRUE(again.problems().empty());
}

TEST(UserSettings, BrokenLinesAndUnknownValuesKeepTheirDefaultsAndSayWhere) {
  SettingsFolder files;
  files.write("\xEF\xBB\xBF; written by hand\r\n"
              "orphan=1\r\n"
              "[window]\r\n"
              "stayontop = TRUE \r\n"
              "StayOnTop=false\r\n"  // the first one counts
              "Opacity=42\r\n"
              "Opacity 85\r\n"
              "[Keys]\n"
              "Pause=\"Pause\"\n");
  UserSettings settings(files.path);
  settings.load();
  EXPECT_EQ(readWindowLook(settings), (WindowLook{true, 100}));
  EXPECT_EQ(settings.text("Keys", "Pause"), "Pause");
  ASSERT_EQ(settings.problems().size(), 3u);
  EXPECT_TRUE(anyProblemHas(settings, "第 2 行「orphan=1」"));
  EXPECT_TRUE(anyProblemHas(settings, "第 7 行「Opacity 85」"));
  EXPECT_TRUE(anyProblemHas(settings, "「Opacity=42」只能是 100、85、70 或 55"));
  EXPECT_NE(settings.problemsText().find(files.path), std::string::npos);

  SettingsFolder other;
  other.write("[Window]\nStayOnTop=y\x1b[2Jes\nOpacity=" + std::string(100, '9') + "\n");
  UserSettings wrong(other.path);
  wrong.load();
  EXPECT_EQ(readWindowLook(wrong), WindowLook{});
  ASSERT_EQ(wrong.problems().size(), 2u);
  EXPECT_TRUE(anyProblemHas(wrong, "「StayOnTop=y\\x1B[2Jes」"));  // a control character is quoted, not sent
  EXPECT_LT(wrong.problems()[1].size(), 150u);  // a long value is quoted short
}

TEST(UserSettings, SaveChangesOnlyItsValuesAndKeepsEveryOtherLine) {
  SettingsFolder files;
  const std::string before = "\xEF\xBB\xBF# mine\n[Tool]\nColour=blue\n[Window]\nStayOnTop=false\nFuture=1\n\n[Keys]\nLines=\n";
  files.write(before);
  UserSettings settings(files.path);
  settings.load();
  storeWindowLook(settings, {true, 55});
  // The player edits the file while the program runs.
  writeBytes(files.path, before + "[Added]\nx=1\n");
  ASSERT_EQ(settings.save(), std::nullopt);
  EXPECT_EQ(readBytes(files.path), "\xEF\xBB\xBF# mine\n[Tool]\nColour=blue\n[Window]\nStayOnTop=true\nFuture=1\n"
                                   "Opacity=55\n\n[Keys]\nLines=\n[Added]\nx=1\n");
}

TEST(UserSettings, AFileOrFolderThatCannotBeUsedIsSaidOnceAndTheProgramGoesOn) {
  SettingsFolder blocked;
  writeBytes(blocked.dir.path() / "config", "a file where the folder should be");
  UserSettings settings(blocked.path);
  settings.load();
  EXPECT_TRUE(settings.problems().empty());
  storeWindowLook(settings, {true, 85});
  const auto said = settings.save();
  ASSERT_TRUE(said.has_value());
  EXPECT_NE(said->find("无法建立文件夹"), std::string::npos);
  EXPECT_EQ(settings.save(), std::nullopt);  // said once
  EXPECT_EQ(readWindowLook(settings), (WindowLook{true, 85}));

  // A folder in the file's place is neither read nor replaced.
  SettingsFolder strange;
  fs::create_directories(fs::path(strange.path) / "inside");
  UserSettings odd(strange.path);
  odd.load();
  EXPECT_EQ(odd.problems().size(), 1u);
  odd.setText("Window", "Opacity", "70");
  ASSERT_TRUE(odd.save().has_value());
  EXPECT_TRUE(fs::is_directory(fs::path(strange.path) / "inside"));

  UserSettings nowhere{std::string()};
  nowhere.load();
  EXPECT_EQ(nowhere.problems().size(), 1u);
  nowhere.setText("Window", "Opacity", "70");
  EXPECT_EQ(nowhere.save(), std::nullopt);  // the start already said it
}

// Two copies of the program on one file (the second answered 取消 at the
// warning): each writes what it changed and nothing else, and a value it
// wrote once is the other copy's to change.
TEST(UserSettings, TwoCopiesKeepEachOthersChanges) {
  SettingsFolder files;
  files.write("[Keys]\nStepBack=Ctrl+Alt+PgUp\n");
  UserSettings first(files.path), second(files.path);
  first.load();
  second.load();
  const auto save = [](UserSettings& copy) { ASSERT_EQ(copy.save(), std::nullopt); };

  storeWindowLook(first, {true, 100});
  save(first);
  storeWindowLook(second, {false, 70});
  save(second);
  storeWindowLook(second, {true, 70});
  save(second);
  storeWindowLook(second, {false, 70});
  save(second);
  storeWindowLook(first, {true, 55});
  save(first);

  PlayerKeySet pause = defaultPlayerKeys(), lines = defaultPlayerKeys();
  pause[0] = *parseKeyCombo("F9");
  lines[3] = KeyCombo{};
  storePlayerKeys(first, pause);
  save(first);
  storePlayerKeys(second, lines);
  save(second);

  UserSettings both(files.path);
  both.load();
  EXPECT_EQ(readWindowLook(both), (WindowLook{false, 55}));
  const PlayerKeySet keys = readPlayerKeys(both, vk::Space);
  EXPECT_EQ(formatKeyCombo(keys[0]), "F9");
  EXPECT_TRUE(keys[3].none());
  // Defaults nobody changed are not written out.
  EXPECT_EQ(readBytes(files.path), "[Keys]\nStepBack=Ctrl+Alt+PgUp\nPause=F9\nLines=\n"
                                   "[Window]\r\nStayOnTop=false\r\nOpacity=55\r\n");
}

// Some other file under the name (NUL bytes, or bytes that are no UTF-8):
// one sentence naming it instead of lines of garbage, and never written.
TEST(UserSettings, AFileThatIsNoTextIsSaidSoAndNeverWritten) {
  for (const std::string& bytes : {std::string("PK\x03\x04\0\0[Window]\nStayOnTop=true\n\x01\x02\n", 33),
                                   std::string("[Window]\n; \xB4\xB0\xBF\xDA\nStayOnTop=true\n")}) {
    SettingsFolder files;
    files.write(bytes);
    UserSettings settings(files.path);
    settings.load();
    EXPECT_EQ(readWindowLook(settings), WindowLook{});
    EXPECT_EQ(settings.problemsText(), "个人设置文件「" + files.path +
                                           "」不是文本文件（有 UTF-8 文字以外的字节），程序没有读它，也不会改写它："
                                           "这次全部使用默认设置，改动的设置在程序关闭后不会被记住。");
    storeWindowLook(settings, {true, 70});
    EXPECT_EQ(settings.save(), std::nullopt);  // said at the start
    EXPECT_EQ(readBytes(files.path), bytes);
  }

  // Text at the start, something else by the time of the save.
  SettingsFolder files;
  files.write("[Window]\nOpacity=85\n");
  UserSettings settings(files.path);
  settings.load();
  files.write(std::string("\0\0\0", 3));
  storeWindowLook(settings, {true, 85});
  const auto said = settings.save();
  ASSERT_TRUE(said.has_value());
  EXPECT_NE(said->find("「" + files.path + "」不是文本文件"), std::string::npos) << *said;
  EXPECT_EQ(readBytes(files.path), std::string("\0\0\0", 3));
}
