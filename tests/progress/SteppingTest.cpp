#include <limits>

#include "dialogue/IndexMenu.h"
#include "progress/ProgressTracks.h"
#include "progress/Stepping.h"
#include "ProgressFixture.h"

using namespace lumivox;

namespace {

// The step of the menu item of that name.
const StepCommand& command(const char* item) {
  for (const StepCommand& c : stepCommands())
    if (c.command == findMenuEntry(item)->command) return c;
  throw std::logic_error(item);
}

}  // namespace

class SteppingTest : public ProgressFixture {
 protected:
  void step(const char* item) {
    const StepCommand& c = command(item);
    StepProgress(state, view, prompter, c.step, c.statusPrefix);
  }
};

// The last advance showed line 100: key 100, counter 101.
TEST_F(SteppingTest, WorkedExampleRowByRow) {
  struct Row { const char* item; int counterAfter; const char* status; const char* nextLine; };
  const Row rows[] = {
      {"返回对话1", 100, "已成功将对话往前一个屏幕。对话数：101", "主线第100"},
      {"返回对话10", 91, "已成功将对话往前十个屏幕。对话数：101", "主线第91"},
      {"快进对话1", 102, "已成功将对话后移一个屏幕。对话数：101", "主线第102"},
      {"快进对话10", 111, "已成功将对话后移十个屏幕。对话数：101", "主线第111"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item);
    state.mainLineKey = "100";
    state.mainLineNumber = 101;
    step(row.item);
    EXPECT_EQ(state.mainLineKey, "101");
    EXPECT_EQ(state.mainLineNumber, row.counterAfter);
    EXPECT_EQ(view.status, row.status);
    EXPECT_EQ(view.dialogue, "主线第101");
    advance();
    EXPECT_EQ(view.dialogue, row.nextLine);
  }
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(SteppingTest, TwoBackStepsInARow) {
  state.mainLineKey = "100";
  state.mainLineNumber = 101;
  step("返回对话1");
  step("返回对话1");
  EXPECT_EQ(state.mainLineKey, "100");
  EXPECT_EQ(state.mainLineNumber, 99);
  EXPECT_EQ(view.dialogue, "主线第100");
  advance();
  EXPECT_EQ(view.dialogue, "主线第99");
}

TEST_F(SteppingTest, BelowZeroIsNoFailureAndMissingLinesShowTheFallback) {
  step("返回对话1");  // at start: counter 0, key empty
  EXPECT_EQ(state.mainLineKey, "0");
  EXPECT_EQ(state.mainLineNumber, -1);
  EXPECT_EQ(view.status, "已成功将对话往前一个屏幕。对话数：0");
  EXPECT_EQ(view.dialogue, "主线第0");

  state.mainLineNumber = 0;
  step("返回对话10");
  EXPECT_EQ(state.mainLineNumber, -10);
  step("快进对话1");
  EXPECT_EQ(view.dialogue, kStepFallbackText);  // there is no line -10
  EXPECT_EQ(view.status, "已成功将对话后移一个屏幕。对话数：-10");
  EXPECT_TRUE(prompter.boxes.empty());

  std::filesystem::remove(dir.dataDir() / "Quorra.data");
  step("快进对话1");
  EXPECT_EQ(view.dialogue, kStepFallbackText);
  EXPECT_EQ(state.mainLineNumber, -8);
}

TEST_F(SteppingTest, OverflowEdgesOnBothTracks) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  struct Edge { std::int32_t counter; const char* item; bool fails; std::int32_t after; };
  const Edge edges[] = {
      {kMax, "快进对话1", true, kMax},          {kMax - 9, "快进对话10", true, kMax - 9},
      {kMax - 10, "快进对话10", false, kMax},   {kMax - 1, "快进对话1", false, kMax},
      {kMin, "返回对话1", true, kMin},          {kMin + 9, "返回对话10", true, kMin + 9},
      {kMin + 10, "返回对话10", false, kMin},   {kMin, "快进对话10", false, kMin + 10},
  };
  for (const char* track : {"IndexText", "InDoor"}) {
    state.activeTrack = track;
    const Track t = state.track();
    for (const Edge& e : edges) {
      SCOPED_TRACE(std::string(track) + " " + e.item + " from " + std::to_string(e.counter));
      prompter.boxes.clear();
      state.counter(t) = e.counter;
      view.dialogue = "shown before";
      step(e.item);
      EXPECT_EQ(state.counter(t), e.after);
      EXPECT_EQ(state.key(t), std::to_string(e.counter));
      if (e.fails) {
        ASSERT_EQ(prompter.boxes.size(), 1u);
        EXPECT_EQ(prompter.boxes[0].text, kProgramErrorText);
        EXPECT_EQ(prompter.boxes[0].title, "出错了");
        EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Critical);
        EXPECT_EQ(view.status, "发生错误！");
        EXPECT_EQ(view.dialogue, "shown before");
      } else {
        EXPECT_TRUE(prompter.boxes.empty());
        EXPECT_EQ(view.dialogue, kStepFallbackText);  // no such line in either library
      }
    }
  }
  EXPECT_EQ(state.mainLineNumber, kMin + 10);  // the door edges left the main track alone
}

TEST_F(SteppingTest, DoorTrackMovesOnlyItself) {
  state.mainLineNumber = 7;
  state.mainLineKey = "6";
  state.activeTrack = "InDoor";
  state.doorLineNumber = 12;
  view.bar.setValue(5);
  view.percent = "10";
  step("快进对话10");
  EXPECT_EQ(state.doorLineNumber, 22);
  EXPECT_EQ(state.doorLineKey, "12");
  EXPECT_EQ(view.dialogue, "门第12");
  EXPECT_EQ(state.mainLineNumber, 7);
  EXPECT_EQ(state.mainLineKey, "6");
  EXPECT_EQ(state.activeTrack, "InDoor");
  // The bar and the percentage wait for the next advance.
  EXPECT_EQ(view.bar.value(), 5.0f);
  EXPECT_EQ(view.percent, "10");
  EXPECT_TRUE(view.menuEnabled.empty());
}
