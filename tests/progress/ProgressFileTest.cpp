#include <limits>

#include "platform/FileRead.h"
#include "progress/ProgressFile.h"
#include "progress/ProgressTracks.h"
#include "progress/SaveCommands.h"
#include "ProgressFixture.h"

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace lumivox;
namespace fs = std::filesystem;

class ProgressFileTest : public ProgressFixture {};

TEST_F(ProgressFileTest, SaveWritesTheKeyAndCrLfOnly) {
  EXPECT_EQ(progressFileBytes("1234"), "1234\r\n");
  state.mainLineKey = "1234";
  SaveProgress(state, Track::Main, "/Data/Save.sav");
  EXPECT_EQ(data("Save.sav"), "\x31\x32\x33\x34\x0D\x0A");

  putData("SaveForDoor.sav", "a much longer old content\r\n\r\n");
  state.doorLineKey = "-12";
  SaveProgress(state, Track::Door, "/Data/SaveForDoor.sav");
  EXPECT_EQ(data("SaveForDoor.sav"), "-12\r\n");
  EXPECT_EQ(data("Save.sav"), "1234\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.dataDir()), fs::directory_iterator()), 4);  // no leftovers
}

TEST_F(ProgressFileTest, SaveThenLoadShowsThatLineAndTheNextAdvanceShowsItAgain) {
  for (int i = 0; i < 58; ++i) advance();
  ASSERT_EQ(state.mainLineKey, "57");
  SaveProgress(state, Track::Main, "/Data/Save.sav");
  EXPECT_EQ(data("Save.sav"), "57\r\n");

  DialogueState later;  // a new run
  later.activeTrack = "IndexText";
  LoadProgress(later, Track::Main, "/Data/Save.sav", view);
  EXPECT_EQ(later.mainLineNumber, 57);
  EXPECT_EQ(later.mainLineKey, "");  // a load leaves the key to the next advance
  EXPECT_EQ(view.mainLoaded, "57");
  EXPECT_EQ(view.dialogue, "主线第57");
  EXPECT_EQ(view.status, kLoadedStatusText);

  pollTick(later, true, view);
  EXPECT_EQ(view.dialogue, "主线第57");
  EXPECT_EQ(later.mainLineNumber, 58);
}

TEST_F(ProgressFileTest, LoadTakesTheLastFieldAndConvertsIt) {
  struct Case { const char* content; const char* field; std::int32_t counter; };
  const Case cases[] = {
      {"12\r\n30\r\n44\r\n", "44", 44},  {"12,30\r\n", "30", 30},       {"\"44\"\r\n", "44", 44},
      {"  57\r\n", "57", 57},            {"-3\r\n", "-3", -3},          {"12.5\r\n", "12.5", 12},
      {"13.5", "13.5", 14},              {"2147483647\r\n", "2147483647", 2147483647},
      {"\"1,5\"", "1,5", 7},  // quoted comma stays in the field, which is no number: counter kept
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    state.mainLineNumber = 7;
    putData("Save.sav", c.content);
    try {
      LoadProgress(state, Track::Main, "/Data/Save.sav", view);
    } catch (const ProgressValueError&) {
    }
    EXPECT_EQ(view.mainLoaded, c.field);
    EXPECT_EQ(state.mainLineNumber, c.counter);
  }
}

TEST_F(ProgressFileTest, BlanksAroundTheNumberAreNoPartOfTheLineShown) {
  for (const char* content : {"  9  \r\n", "\" 9\t\"\r\n"}) {
    SCOPED_TRACE(content);
    putData("Save.sav", content);
    LoadProgress(state, Track::Main, "/Data/Save.sav", view);
    EXPECT_EQ(view.dialogue, "主线第9");
    EXPECT_EQ(view.mainLoaded, "9");
    EXPECT_EQ(state.mainLineNumber, 9);
  }
}

// A value that is no number: the field and the looked-up line are shown,
// then the load fails with the counter as it was.
TEST_F(ProgressFileTest, ValueThatIsNoNumberFailsAfterShowingTheFallback) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131 + 7) % 256);
  const std::string bad[] = {"", "\r\n", "abc\r\n", "2147483648\r\n", "-2147483649\r\n", "1e3x", "\xA3\xB6\xA3\xB0",
                             binary};
  for (const std::string& content : bad) {
    SCOPED_TRACE(content.substr(0, 20));
    putData("Save.sav", content);
    state.mainLineNumber = 9;
    view.dialogue = "before";
    view.status = "status before";
    view.mainLoaded = "previous";
    EXPECT_THROW(LoadProgress(state, Track::Main, "/Data/Save.sav", view), ProgressValueError);
    EXPECT_EQ(state.mainLineNumber, 9);
    EXPECT_NE(view.mainLoaded, "previous");
    EXPECT_EQ(view.dialogue, kLoadFallbackText);
    EXPECT_EQ(view.status, "status before");
  }
}

TEST_F(ProgressFileTest, UnreadableFilesChangeNothing) {
  // Larger than any progress file can sensibly be.
  putData("Save.sav", std::string(2 * 1024 * 1024, '1'));
  fs::create_directory(dir.dataDir() / "AutoSave.sav");
  for (const char* file : {"/Data/Save.sav", "/Data/AutoSave.sav", "/Data/SaveForDoor.sav"}) {
    SCOPED_TRACE(file);
    state.mainLineNumber = 4;
    view.dialogue = "before";
    EXPECT_THROW(LoadProgress(state, Track::Main, file, view), FileError);
    EXPECT_EQ(state.mainLineNumber, 4);
    EXPECT_EQ(view.dialogue, "before");
    EXPECT_EQ(view.mainLoaded, "1");
  }
  // A megabyte of fields still loads its last one.
  std::string many;
  while (many.size() < 1000 * 1000) many += "123456,";
  putData("Save.sav", many + "88\r\n");
  LoadProgress(state, Track::Main, "/Data/Save.sav", view);
  EXPECT_EQ(state.mainLineNumber, 88);
}

TEST_F(ProgressFileTest, DoorLoadSetsOnlyTheDoorTrack) {
  putData("SaveForDoor.sav", "5\r\n");
  state.mainLineNumber = 40;
  LoadProgress(state, Track::Door, "/Data/SaveForDoor.sav", view);
  EXPECT_EQ(state.doorLineNumber, 5);
  EXPECT_EQ(view.doorLoaded, "5");
  EXPECT_EQ(view.dialogue, "门第5");
  EXPECT_EQ(state.mainLineNumber, 40);
  EXPECT_EQ(view.mainLoaded, "1");
  EXPECT_EQ(state.activeTrack, "IndexText");
}

TEST_F(ProgressFileTest, SavesThatCannotBeWrittenKeepTheOldFile) {
  state.mainLineKey = "3";
  putData("Save.sav", "1\r\n");
  fs::permissions(dir.dataDir() / "Save.sav", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_THROW(SaveProgress(state, Track::Main, "/Data/Save.sav"), FileError);
  fs::permissions(dir.dataDir() / "Save.sav", fs::perms::owner_all);
  EXPECT_EQ(data("Save.sav"), "1\r\n");

  fs::create_directory(dir.dataDir() / "AutoSave.sav");
  EXPECT_THROW(SaveProgress(state, Track::Main, "/Data/AutoSave.sav"), FileError);
  EXPECT_TRUE(fs::is_directory(dir.dataDir() / "AutoSave.sav"));
}

#ifndef _WIN32
TEST_F(ProgressFileTest, UnwritableFolderKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  state.mainLineKey = "3";
  putData("Save.sav", "1\r\n");
  fs::permissions(dir.dataDir(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_THROW(SaveProgress(state, Track::Main, "/Data/Save.sav"), FileError);
  fs::permissions(dir.dataDir(), fs::perms::owner_all);
  EXPECT_EQ(data("Save.sav"), "1\r\n");
}
#endif

TEST_F(ProgressFileTest, NoDataFolder) {
  fs::remove_all(dir.dataDir());
  state.mainLineKey = "3";
  EXPECT_THROW(SaveProgress(state, Track::Main, "/Data/Save.sav"), FileError);
  EXPECT_THROW(LoadProgress(state, Track::Main, "/Data/Save.sav", view), FileError);
  EXPECT_FALSE(fs::exists(dir.dataDir()));
  EXPECT_EQ(state.mainLineNumber, 0);
}

class SaveCommandsTest : public ProgressFixture {};

TEST_F(SaveCommandsTest, ManualSaveConfirmsOrNamesTheTracksFile) {
  state.mainLineKey = "20";
  state.doorLineKey = "4";
  saveProgressCommand(state, Track::Main, view, prompter);
  saveProgressCommand(state, Track::Door, view, prompter);
  EXPECT_EQ(data("Save.sav"), "20\r\n");
  EXPECT_EQ(data("SaveForDoor.sav"), "4\r\n");
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[1].text, "保存当前进度成功～");
  EXPECT_EQ(prompter.boxes[1].title, "恭喜");
  EXPECT_TRUE(prompter.boxes[1].icon == Prompter::Icon::Information);
  EXPECT_EQ(view.status, "保存成功！");
  EXPECT_FALSE(fs::exists(dir.dataDir() / "AutoSave.sav"));

  fs::remove_all(dir.dataDir());
  prompter.boxes.clear();
  view.status = "unchanged";
  for (Track track : {Track::Main, Track::Door}) saveProgressCommand(state, track, view, prompter);
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[0].text,
            "程序发生了严重错误。\r\n请确认程序目录中是否有Data文件夹。以及Data文件夹中是否存在Save.sav文件");
  EXPECT_EQ(prompter.boxes[1].text,
            "程序发生了严重错误。\r\n请确认程序目录中是否有Data文件夹。以及Data文件夹中是否存在SaveForDoor.sav文件");
  EXPECT_EQ(prompter.boxes[0].title, "发生错误");
  EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Critical);
  EXPECT_EQ(view.status, "unchanged");
  EXPECT_FALSE(fs::exists(dir.dataDir()));
}

TEST_F(SaveCommandsTest, LoadFailureBoxThenErrorStatus) {
  putData("Save.sav", "\r\n");
  state.mainLineNumber = 6;
  loadProgressCommand(state, Track::Main, "/Data/Save.sav", view, prompter);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, kLoadFailedText);
  EXPECT_EQ(prompter.boxes[0].title, "出错了");
  EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Critical);
  EXPECT_EQ(view.status, "发生错误！");
  EXPECT_EQ(view.dialogue, kLoadFallbackText);
  EXPECT_EQ(state.mainLineNumber, 6);

  loadProgressCommand(state, Track::Door, "/Data/AutoSaveForDoor.sav", view, prompter);  // missing
  EXPECT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[1].text, kLoadFailedText);

  putData("AutoSaveForDoor.sav", "3\r\n");
  prompter.boxes.clear();
  loadProgressCommand(state, Track::Door, "/Data/AutoSaveForDoor.sav", view, prompter);
  EXPECT_TRUE(prompter.boxes.empty());
  EXPECT_EQ(state.doorLineNumber, 3);
  EXPECT_EQ(view.status, kLoadedStatusText);
}
