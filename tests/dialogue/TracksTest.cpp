#include <gtest/gtest.h>

#include <set>

#include "dialogue/DialogueState.h"
#include "dialogue/Tracks.h"
#include "support/FakeIndexModel.h"
#include "support/ScriptedPrompter.h"

using namespace lumivox;

class TracksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.activeTrack = "InDoor";
    state.mainLineNumber = 12;
    state.mainLineKey = "11";
    state.doorLineNumber = 4;
    state.doorLineKey = "3";
    view.dialogue = "门第3";
    view.status = "确认用户跳过对话。对话数：3";
  }
  void expectCountersUntouched() {
    EXPECT_EQ(state.mainLineNumber, 12);
    EXPECT_EQ(state.mainLineKey, "11");
    EXPECT_EQ(state.doorLineNumber, 4);
    EXPECT_EQ(state.doorLineKey, "3");
    EXPECT_EQ(view.dialogue, "门第3");
    EXPECT_EQ(view.status, "确认用户跳过对话。对话数：3");
  }

  DialogueState state;
  FakeIndexModel view;
  ScriptedPrompter prompter;
};

TEST_F(TracksTest, SwitchCancelledChangesNothing) {
  prompter.answers = {false};
  switchToMainStory(state, view, prompter);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, kSwitchQuestionText);
  EXPECT_EQ(prompter.boxes[0].title, "数据丢失提醒");
  EXPECT_EQ(prompter.boxes[0].buttons, Prompter::Buttons::OkCancel);
  EXPECT_EQ(prompter.boxes[0].icon, Prompter::Icon::Information);
  EXPECT_EQ(state.activeTrack, "InDoor");
  EXPECT_TRUE(view.timerEnabled.empty());
  expectCountersUntouched();
}

TEST_F(TracksTest, SwitchConfirmedSelectsTheMainStoryAndRereadsTheLineCount) {
  for (const char* before : {"InDoor", "IndexText"}) {  // made even when already on the main story
    state.activeTrack = before;
    prompter.boxes.clear();
    view.timerEnabled.clear();
    prompter.answers = {true};
    switchToMainStory(state, view, prompter);
    EXPECT_EQ(state.activeTrack, "IndexText");
    EXPECT_TRUE(view.timerEnabled.at("Timer2"));
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[1].kind, ScriptedPrompter::Box::Kind::Inform);
    EXPECT_EQ(prompter.boxes[1].text, kSwitchDoneText);
    EXPECT_EQ(prompter.boxes[1].title, "成功操作");
    EXPECT_EQ(prompter.boxes[1].icon, Prompter::Icon::Information);
    expectCountersUntouched();
  }
}

TEST_F(TracksTest, DoorEntryRestartsTheDoorTrackSilently) {
  state.activeTrack = "IndexText";
  enterDoor(state, view);
  EXPECT_EQ(state.activeTrack, "InDoor");
  EXPECT_TRUE(view.timerEnabled.at("Timer2"));
  EXPECT_EQ(state.doorLineNumber, 0);
  EXPECT_EQ(state.doorLineKey, "3");  // until the next advance
  EXPECT_EQ(state.mainLineNumber, 12);
  EXPECT_TRUE(prompter.boxes.empty());
  EXPECT_EQ(view.dialogue, "门第3");

  state.doorLineNumber = 9;  // already in a door: restarts all the same
  enterDoor(state, view);
  EXPECT_EQ(state.doorLineNumber, 0);
}

TEST(DoorItems, TwentySixDistinctItemsInMenuOrder) {
  const auto& items = doorEntryItems();
  EXPECT_EQ(std::set<std::string_view>(items.begin(), items.end()).size(), 26u);
  EXPECT_EQ(items.front(), "星之扉1");
  EXPECT_EQ(items[11], "星之扉12");
  EXPECT_EQ(items[15], "初次进入YUE1");
  EXPECT_EQ(items[16], "再次进入YUE1");
  EXPECT_EQ(items.back(), "太阳之扉5");
}
