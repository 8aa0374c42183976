#include <gtest/gtest.h>

#include <limits>

#include "dialogue/DialogueState.h"
#include "dialogue/KeyPoll.h"
#include "support/FakeIndexModel.h"
#include "support/Files.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

std::string numberedLines(const char* section, int count, const char* prefix) {
  std::string text = std::string("[") + section + "]\r\n";
  for (int i = 0; i < count; ++i) text += std::to_string(i) + "=" + prefix + std::to_string(i) + "\r\n";
  return text;
}

}  // namespace

class KeyPollTest : public ::testing::Test {
 protected:
  TempWorkDir dir{TempWorkDir::Data::None};
  DialogueState state;
  FakeIndexModel view;

  void SetUp() override {
    std::filesystem::create_directory(dir.dataDir());
    // Lines 0 to 15: "TextNumber" is 16, so line 16 does not exist.
    writeGbk(dir.dataDir() / "Quorra.data", numberedLines("Quorra", 16, "主线第") +
                                                "[TextNumber]\r\nTextNumber=16\r\nTextNumberDoor=8\r\n");
    writeGbk(dir.dataDir() / "Door.data", numberedLines("Door", 8, "门第"));
    state.activeTrack = "IndexText";
  }

  void press() { pollTick(state, true, view); }
};

TEST_F(KeyPollTest, WorkedExampleRowByRow) {
  lineCountTick(state, view);
  ASSERT_EQ(view.bar.maximum(), 16.0f);
  EXPECT_FALSE(view.timerEnabled.at("Timer2"));

  struct Row { int press; const char* statusEnd; const char* line; int counter; float bar; const char* percent; };
  const Row rows[] = {
      {1, "0", "主线第0", 1, 0, "0"},   {2, "1", "主线第1", 2, 1, "6"},      {3, "2", "主线第2", 3, 2, "12"},
      {7, "6", "主线第6", 7, 6, "38"},  {17, "16", kEndOfDialogueText, 17, 16, "100"},
      {18, "17", kEndOfDialogueText, 18, 16, "100"},
  };
  int pressed = 0;
  for (const Row& row : rows) {
    while (pressed < row.press) press(), ++pressed;
    SCOPED_TRACE(row.press);
    EXPECT_EQ(view.status, std::string("确认用户跳过对话。对话数：") + row.statusEnd);
    EXPECT_EQ(view.dialogue, row.line);
    EXPECT_EQ(state.mainLineNumber, row.counter);
    EXPECT_EQ(state.mainLineKey, row.statusEnd);
    EXPECT_EQ(view.bar.value(), row.bar);
    EXPECT_EQ(view.percent, row.percent);
  }
  for (const char* item : {"保存当前的对话进度", "载入上次保存的对话", "载入自动存档的对话", "Debug模式"})
    EXPECT_TRUE(view.menuEnabled.at(item)) << item;
  EXPECT_EQ(state.doorLineNumber, 0);
}

TEST_F(KeyPollTest, NoPressOnlyRefreshesThePaths) {
  pollTick(state, false, view);
#ifdef _WIN32
  EXPECT_EQ(view.mainPath, dir.path().string() + "\\Data\\Quorra.data");
  EXPECT_EQ(view.doorPath, dir.path().string() + "\\Data\\Door.data");
#else
  EXPECT_EQ(view.mainPath, dir.path().string() + "/Data/Quorra.data");
  EXPECT_EQ(view.doorPath, dir.path().string() + "/Data/Door.data");
#endif
  EXPECT_EQ(view.status, "待命...");
  EXPECT_EQ(state.mainLineNumber, 0);
  EXPECT_TRUE(view.menuEnabled.empty());
}

TEST_F(KeyPollTest, DoorTrackUsesItsOwnLibraryCounterAndMenus) {
  state.activeTrack = "InDoor";
  state.mainLineNumber = 5;
  press();
  press();
  EXPECT_EQ(view.dialogue, "门第1");
  EXPECT_EQ(state.doorLineNumber, 2);
  EXPECT_EQ(state.doorLineKey, "1");
  EXPECT_EQ(state.mainLineNumber, 5);
  EXPECT_TRUE(view.menuEnabled.at("保存当前的对话进度2"));
  EXPECT_EQ(view.menuEnabled.count("保存当前的对话进度"), 0u);

  state.activeTrack = "indextext";  // the track rule is case-sensitive
  press();
  EXPECT_EQ(state.doorLineNumber, 3);
}

TEST_F(KeyPollTest, CounterAtTheTopStopsAfterTheStatusLine) {
  state.mainLineNumber = std::numeric_limits<std::int32_t>::max();
  view.dialogue = "unchanged";
  press();
  EXPECT_EQ(view.status, "确认用户跳过对话。对话数：2147483647");
  EXPECT_EQ(state.mainLineKey, "2147483647");
  EXPECT_EQ(state.mainLineNumber, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(view.dialogue, "unchanged");
}

TEST_F(KeyPollTest, KeyOutsideTheBarShowsTheLineAndKeepsTheBar) {
  lineCountTick(state, view);
  press();
  press();  // bar at 1, "6"
  state.mainLineNumber = -3;
  press();
  EXPECT_EQ(view.dialogue, kEndOfDialogueText);
  EXPECT_EQ(state.mainLineNumber, -2);
  EXPECT_EQ(view.bar.value(), 1.0f);
  EXPECT_EQ(view.percent, "6");
}

TEST_F(KeyPollTest, LineCountReadFailsSilentlyAndRetries) {
  auto withCount = [&](const std::string& count) {
    writeGbk(dir.dataDir() / "Quorra.data", "[TextNumber]\r\nTextNumber=" + count + "\r\n");
    view.timerEnabled.clear();
    lineCountTick(state, view);
  };
  withCount("40");
  EXPECT_EQ(view.bar.maximum(), 40.0f);
  for (const char* bad : {"0", "-5", "abc", ""}) {
    withCount(bad);
    EXPECT_EQ(view.bar.maximum(), 40.0f) << bad;
    EXPECT_EQ(view.timerEnabled.count("Timer2"), 0u) << bad;
  }
  writeGbk(dir.dataDir() / "Quorra.data", "[Quorra]\r\n0=x\r\n");
  lineCountTick(state, view);
  EXPECT_EQ(view.bar.maximum(), 1.0f);  // no count at all: the fallback 1

  // The door track's count lives in the main library too.
  writeGbk(dir.dataDir() / "Quorra.data", "[TextNumber]\r\nTextNumber=40\r\nTextNumberDoor=25\r\n");
  state.activeTrack = "InDoor";
  lineCountTick(state, view);
  EXPECT_EQ(view.bar.maximum(), 25.0f);
}

TEST_F(KeyPollTest, MissingDoorLibraryGivesTheFallbackWhileTheMainStoryWorks) {
  std::filesystem::remove(dir.dataDir() / "Door.data");
  state.activeTrack = "InDoor";
  press();
  EXPECT_EQ(view.dialogue, kEndOfDialogueText);
  state.activeTrack = "IndexText";
  press();
  EXPECT_EQ(view.dialogue, "主线第0");
}
