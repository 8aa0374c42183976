#include "progress/Jump.h"
#include "progress/NewProgress.h"
#include "progress/ProgressFile.h"
#include "ProgressFixture.h"

using namespace lumivox;

namespace {

struct FakeJumpWindow final : JumpView {
  std::string text = "1";
  int unloads = 0;
  std::string typedText() const override { return text; }
  void unload() override { ++unloads; }
};

}  // namespace

class JumpTest : public ProgressFixture {
 protected:
  FakeJumpWindow window;
};

TEST_F(JumpTest, TypedNumbersAndWhatTheyGive) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"1", 1}, {"250", 250}, {"  42  ", 42}, {"12.5", 12}, {"13.5", 14}, {"-7", -7}, {"0", 0}, {"1e3", 1000},
      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
      {"", std::nullopt}, {"   ", std::nullopt}, {"abc", std::nullopt}, {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt}, {"1,000", std::nullopt}, {"\xEF\xBC\x91\xEF\xBC\x92", std::nullopt}};
  for (const auto& [typed, line] : cases) {
    SCOPED_TRACE(typed);
    state.mainLineNumber = 99;
    prompter.boxes.clear();
    window.unloads = 0;
    window.text = typed;
    confirmJump(state, window, prompter);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    if (line) {
      EXPECT_EQ(state.mainLineNumber, *line);
      EXPECT_EQ(prompter.boxes[0].text, "保存成功～按您设置的键跳转对话。[默认空格]");
      EXPECT_EQ(prompter.boxes[0].title, "恭喜");
      EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Information);
      EXPECT_EQ(window.unloads, 1);
    } else {
      EXPECT_EQ(state.mainLineNumber, 99);
      EXPECT_EQ(prompter.boxes[0].text, "无法解析输入数据。。。请重试！！！");
      EXPECT_EQ(prompter.boxes[0].title, "出错了");
      EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Critical);
      EXPECT_EQ(window.unloads, 0);
      EXPECT_EQ(window.text, typed);
    }
  }
}

TEST_F(JumpTest, MovesOnlyTheMainCounterAndShowsAtTheNextMainAdvance) {
  advance();
  advance();  // line 1 shown
  state.activeTrack = "InDoor";
  state.doorLineNumber = 3;
  window.text = "150";
  view.dialogue = "门第2";
  confirmJump(state, window, prompter);
  EXPECT_EQ(state.mainLineNumber, 150);
  EXPECT_EQ(state.mainLineKey, "1");
  EXPECT_EQ(state.doorLineNumber, 3);
  EXPECT_EQ(view.dialogue, "门第2");
  advance();
  EXPECT_EQ(view.dialogue, "门第3");
  state.activeTrack = "IndexText";
  advance();
  EXPECT_EQ(view.dialogue, "主线第150");
  EXPECT_EQ(state.mainLineNumber, 151);
}

// Before the next advance the key still names the line on screen: a save
// stores that line, not the typed number.
TEST_F(JumpTest, SaveRightAfterAJumpStoresTheLineShownBefore) {
  for (int i = 0; i < 5; ++i) advance();
  window.text = "120";
  confirmJump(state, window, prompter);
  SaveProgress(state, Track::Main, "/Data/Save.sav");
  EXPECT_EQ(data("Save.sav"), "4\r\n");
}

class NewProgressTest : public ProgressFixture {};

TEST_F(NewProgressTest, YesRestartsTheMainStoryOnly) {
  state.activeTrack = "InDoor";
  state.mainLineNumber = 30;
  state.mainLineKey = "29";
  state.doorLineNumber = 6;
  state.doorLineKey = "5";
  view.dialogue = "门第5";
  prompter.answers = {true};
  newProgress(state, prompter);
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].text, "您确定要开始一个新的对话进度吗？");
  EXPECT_EQ(prompter.boxes[0].title, "新建确认");
  EXPECT_TRUE(prompter.boxes[0].buttons == Prompter::Buttons::YesNo);
  EXPECT_TRUE(prompter.boxes[0].icon == Prompter::Icon::Question);
  EXPECT_EQ(state.mainLineNumber, 0);
  EXPECT_EQ(state.mainLineKey, "0");
  EXPECT_EQ(state.doorLineNumber, 6);
  EXPECT_EQ(state.doorLineKey, "5");
  EXPECT_EQ(state.activeTrack, "InDoor");
  EXPECT_EQ(view.dialogue, "门第5");

  SaveProgress(state, Track::Main, "/Data/Save.sav");
  EXPECT_EQ(data("Save.sav"), "0\r\n");
  state.activeTrack = "IndexText";
  advance();
  EXPECT_EQ(view.dialogue, "主线第0");
  EXPECT_EQ(state.mainLineNumber, 1);
}

TEST_F(NewProgressTest, NoChangesNothing) {
  state.mainLineNumber = 30;
  state.mainLineKey = "29";
  prompter.answers = {false};
  newProgress(state, prompter);
  EXPECT_EQ(state.mainLineNumber, 30);
  EXPECT_EQ(state.mainLineKey, "29");
}
