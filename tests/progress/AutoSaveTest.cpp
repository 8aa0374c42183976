#include "library/LookupLine.h"
#include "progress/AutoSave.h"
#include "progress/AutoSaveSettings.h"
#include "progress/ProgressTracks.h"
#include "ProgressFixture.h"

using namespace lumivox;
namespace fs = std::filesystem;

class AutoSaveTickTest : public ProgressFixture {};

TEST_F(AutoSaveTickTest, SavesTheActiveTrackOnly) {
  putData("AutoSaveForDoor.sav", "9\r\n");
  for (int i = 0; i < 3; ++i) advance();
  autoSaveTick(state, view);
  EXPECT_EQ(data("AutoSave.sav"), "2\r\n");
  EXPECT_EQ(data("AutoSaveForDoor.sav"), "9\r\n");
  EXPECT_EQ(view.status, kAutoSavedText);

  state.activeTrack = "InDoor";
  state.doorLineNumber = 0;
  advance();
  advance();
  view.status = "";
  autoSaveTick(state, view);
  EXPECT_EQ(data("AutoSaveForDoor.sav"), "1\r\n");
  EXPECT_EQ(data("AutoSave.sav"), "2\r\n");
  EXPECT_EQ(view.status, kAutoSavedText);

  autoSaveTick(state, view);  // unchanged key: written all the same
  EXPECT_EQ(data("AutoSaveForDoor.sav"), "1\r\n");
  EXPECT_FALSE(fs::exists(dir.dataDir() / "Save.sav"));
}

// Nothing of the active track shown yet in this run: the auto-save of an
// earlier run stays loadable.
TEST_F(AutoSaveTickTest, EmptyKeyWritesNothing) {
  putData("AutoSave.sav", "31\r\n");
  state.doorLineKey = "5";  // the other track's key does not count
  view.status = "已获取切换按键";
  autoSaveTick(state, view);
  EXPECT_EQ(data("AutoSave.sav"), "31\r\n");
  EXPECT_FALSE(fs::exists(dir.dataDir() / "AutoSaveForDoor.sav"));
  EXPECT_EQ(view.status, "已获取切换按键");

  state.activeTrack = "InDoor";
  state.doorLineKey.clear();
  fs::remove(dir.dataDir() / "AutoSave.sav");
  autoSaveTick(state, view);
  EXPECT_FALSE(fs::exists(dir.dataDir() / "AutoSaveForDoor.sav"));
}

TEST_F(AutoSaveTickTest, FailureShowsOnlyInTheStatusLineAndTheNextTickRetries) {
  state.mainLineKey = "8";
  fs::remove_all(dir.dataDir());
  autoSaveTick(state, view);
  EXPECT_EQ(view.status, kAutoSaveFailedText);
  EXPECT_FALSE(fs::exists(dir.dataDir()));

  fs::create_directory(dir.dataDir());
  fs::create_directory(dir.dataDir() / "AutoSave.sav");
  view.status = "";
  autoSaveTick(state, view);
  EXPECT_EQ(view.status, kAutoSaveFailedText);

  fs::remove(dir.dataDir() / "AutoSave.sav");
  autoSaveTick(state, view);
  EXPECT_EQ(view.status, kAutoSavedText);
  EXPECT_EQ(data("AutoSave.sav"), "8\r\n");
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST(AutoSaveInterval, TypedSecondsToMilliseconds) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"60", 60000}, {"1.5", 1500}, {"65.535", 65535}, {"0", 0}, {" 30 ", 30000}, {"0.0005", 0}, {"0.0015", 2},
      {"66", std::nullopt}, {"65.536", std::nullopt}, {"10000", std::nullopt}, {"-1", std::nullopt},
      {"1e3", std::nullopt}, {"1e1", 10000}, {"abc", std::nullopt}, {"", std::nullopt}, {"  ", std::nullopt},
      {"2147483648", std::nullopt}, {"\xEF\xBC\x96\xEF\xBC\x90", std::nullopt} /* full-width 60 */};
  for (const auto& [text, ms] : cases) EXPECT_EQ(autoSaveIntervalMs(text), ms) << text;
}

namespace {

struct FakeSettingsWindow final : AutoSaveSettingsView {
  std::string text = "60";
  int unloads = 0;
  std::string typedText() const override { return text; }
  void setTypedText(const std::string& t) override { text = t; }
  void unload() override { ++unloads; }
};

}  // namespace

class AutoSaveSettingsTest : public ProgressFixture {
 protected:
  FakeSettingsWindow window;
  std::string storedT() const { return LookupLine(view.mainPath, "T", "T", "<none>"); }
};

TEST_F(AutoSaveSettingsTest, OpensWithTheStoredTextOrTenThousand) {
  loadAutoSaveSettings(window, view, prompter);
  EXPECT_EQ(window.text, "45");
  writeGbk(dir.dataDir() / "Quorra.data", numberedLines("Quorra", 3, "主线第"));
  loadAutoSaveSettings(window, view, prompter);
  EXPECT_EQ(window.text, "10000");
  fs::remove(dir.dataDir() / "Quorra.data");
  loadAutoSaveSettings(window, view, prompter);
  EXPECT_EQ(window.text, "10000");
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(AutoSaveSettingsTest, ConfirmStoresAppliesAndUnloads) {
  const std::string before = data("Quorra.data");
  window.text = "60";
  confirmAutoSaveSettings(window, view, prompter);
  EXPECT_EQ(view.timerInterval.at("Timer3"), 60000);
  EXPECT_EQ(window.unloads, 1);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, "保存成功～");
  EXPECT_EQ(prompter.boxes[0].title, "恭喜");
  EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Information);
  // Only the value changed, every other byte of the library is as it was.
  std::string expected = before;
  expected.replace(expected.find("T=45"), 4, "T=60");
  EXPECT_EQ(data("Quorra.data"), expected);

  window.text = "0";
  confirmAutoSaveSettings(window, view, prompter);
  EXPECT_EQ(view.timerInterval.at("Timer3"), 0);
}

TEST_F(AutoSaveSettingsTest, RefusedTextIsStoredFirstThenTheError) {
  view.timerInterval["Timer3"] = 30000;
  for (const char* typed : {"66", "letters", "10000", "", "65.536", "1e3"}) {
    SCOPED_TRACE(typed);
    prompter.boxes.clear();
    window.text = typed;
    confirmAutoSaveSettings(window, view, prompter);
    EXPECT_EQ(storedT(), typed);
    EXPECT_EQ(view.timerInterval.at("Timer3"), 30000);
    EXPECT_EQ(window.unloads, 0);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, kProgramErrorText);
    EXPECT_EQ(prompter.boxes[0].title, "出错了");
    EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Critical);
    loadAutoSaveSettings(window, view, prompter);
    EXPECT_EQ(window.text, typed);  // what the window shows next time
  }
}

// The interval still holds for this run; the player is told it will not last.
TEST_F(AutoSaveSettingsTest, LibraryThatCannotBeWrittenAppliesTheIntervalForThisRunAndSaysSo) {
  view.timerInterval["Timer3"] = 30000;
  fs::remove_all(dir.dataDir());
  view.mainPath = (dir.dataDir() / "Quorra.data").string();
  window.text = "60";
  confirmAutoSaveSettings(window, view, prompter);
  EXPECT_EQ(view.timerInterval.at("Timer3"), 60000);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, kIntervalNotStoredText);
  EXPECT_EQ(prompter.boxes[0].title, "发生错误");
  EXPECT_EQ(window.unloads, 1);
  EXPECT_FALSE(fs::exists(dir.dataDir()));

  // Text that is no interval is refused as before, stored or not.
  prompter.boxes.clear();
  window.text = "abc";
  confirmAutoSaveSettings(window, view, prompter);
  EXPECT_EQ(view.timerInterval.at("Timer3"), 60000);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, kProgramErrorText);
  EXPECT_EQ(window.unloads, 1);
}
