#include <gtest/gtest.h>

#include <vector>

#include "app/LinesController.h"
#include "app/LinesView.h"
#include "dialogue/Hotkeys.h"
#include "dialogue/KeyPoll.h"
#include "dialogue/Tracks.h"
#include "platform/TextCodec.h"
#include "support/FakeIndexModel.h"
#include "support/Files.h"
#include "support/ScriptedKeyWatch.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

class RecordingLinesView final : public LinesView {
 public:
  void resetRows(std::int32_t count) override { rows.push_back(count); }
  void rowChanged(std::int32_t row) override { changed.push_back(row); }
  void selectRow(std::int32_t row, std::int32_t from, std::int32_t to) override {
    selected = row, first = from, last = to;
  }
  std::int32_t selectedRow() const override { return selected; }
  void setFindResult(const std::string& text) override { result = text; }

  std::vector<std::int32_t> rows, changed;
  std::int32_t selected = -1, first = -1, last = -1;
  std::string result;
};

}  // namespace

class LinesControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir.dataDir());
    // Main lines 0 to 29 without 3; door lines 0, 1 and 3.
    std::string main = "[Quorra]\r\n";
    for (int i = 0; i < 30; ++i)
      if (i != 3) main += std::to_string(i) + "=主线第" + std::to_string(i) + "句\r\n";
    writeGbk(dir.dataDir() / "Quorra.data", main + "[TextNumber]\r\nTextNumber=30\r\n");
    writeGbk(dir.dataDir() / "Door.data", "[Door]\r\n0=门第0句\r\n1=门第1句\r\n3=你好\r\n");
    state.activeTrack = "IndexText";
    refreshLibraryPaths(state, index);
  }

  void advance() {
    keys.press(virtualKeyForToken(state.hotkeyToken));
    pollTick(state, keys, index);
    lines.follow();
  }

  TempWorkDir dir{TempWorkDir::Data::None};
  DialogueState state;
  FakeIndexModel index;
  ScriptedKeyWatch keys;
  int gone = 0;
  LinesController lines{state, index, [this] { ++gone; }};
  RecordingLinesView view;
};

TEST_F(LinesControllerTest, OpensOnTheLineShownAndFollowsAdvancesAndTrackChanges) {
  // Before any advance nothing is marked and the view stands at the next line.
  lines.attach(view);
  EXPECT_EQ(view.rows, std::vector<std::int32_t>{30});
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(lines.rowText(0).find(kLineMark), std::string::npos);

  state.mainLineNumber = 12;
  advance();
  EXPECT_EQ(view.selected, 12);
  EXPECT_EQ(view.first, 7);
  EXPECT_EQ(view.last, 22);
  EXPECT_EQ(lines.rowText(12), std::string(kLineMark) + " 12  主线第12句");
  view.changed.clear();
  advance();
  EXPECT_EQ(view.changed, (std::vector<std::int32_t>{12, 13}));
  EXPECT_EQ(view.rows.size(), 1u);

  // Near the end the list reaches ten past the line shown, with the fallback.
  state.mainLineNumber = 28;
  advance();
  EXPECT_EQ(view.rows.back(), 39);
  EXPECT_EQ(view.last, 38);
  EXPECT_EQ(lines.rowText(35), "    35  " + std::string(kEndOfDialogueText));

  // A load shows the counter's line without moving the key; the next press shows it again.
  state.mainLineNumber = 5;
  lines.loadShowedTheCounter();
  lines.follow();
  EXPECT_EQ(view.selected, 5);
  EXPECT_EQ(lines.rowText(5).find(kLineMark), 0u);
  advance();
  advance();
  EXPECT_EQ(view.selected, 6);

  enterDoor(state, index);
  lines.follow();
  EXPECT_EQ(view.rows.back(), 11);  // the door library holds 0 to 3; ten past its counter
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(lines.rowText(1), "    1  门第1句");

  lines.detach();
  state.doorLineNumber = 3;
  lines.follow();
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(gone, 1);
}

TEST_F(LinesControllerTest, ChoosingALineShowsItAndTheNextPressShowsTheOneAfterOnBothTracks) {
  lines.attach(view);
  lines.choose(2);
  EXPECT_EQ(state.mainLineKey, "2");
  EXPECT_EQ(state.mainLineNumber, 3);
  EXPECT_EQ(index.dialogue, "主线第2句");
  EXPECT_EQ(index.status, std::string(kChosenLineStatus) + "2");
  EXPECT_EQ(view.selected, 2);
  EXPECT_EQ(lines.rowText(2).rfind(kLineMark, 0), 0u);
  // The gap shows the fallback, and the press after it the next line.
  advance();
  EXPECT_EQ(index.dialogue, kEndOfDialogueText);
  advance();
  EXPECT_EQ(index.dialogue, "主线第4句");

  enterDoor(state, index);
  lines.follow();
  lines.choose(2);
  EXPECT_EQ(state.doorLineKey, "2");
  EXPECT_EQ(state.doorLineNumber, 3);
  EXPECT_EQ(index.dialogue, kEndOfDialogueText);
  advance();
  EXPECT_EQ(index.dialogue, "你好");
  EXPECT_EQ(state.mainLineNumber, 5);  // the other track stays where it was
  EXPECT_EQ(state.mainLineKey, "4");
}

TEST_F(LinesControllerTest, SearchGoesOnFromTheSelectionWrapsAndSaysWhenNothingHoldsTheText) {
  lines.attach(view);
  state.mainLineNumber = 25;
  advance();
  lines.findTyped("第2");  // from the selected line on: 25 itself
  EXPECT_EQ(view.selected, 25);
  lines.findNext("第2");
  EXPECT_EQ(view.selected, 26);
  for (int i = 0; i < 3; ++i) lines.findNext("第2");
  EXPECT_EQ(view.selected, 29);
  lines.findNext("第2");
  EXPECT_EQ(view.selected, 2);  // past 29 it starts again from 0
  EXPECT_NE(view.result.find("2"), std::string::npos);
  lines.findNext("第2");
  EXPECT_EQ(view.selected, 20);

  lines.findNext("第3句");  // only the gap would have it
  EXPECT_EQ(view.selected, 20);
  EXPECT_EQ(view.result, "没有找到含有「第3句」的对话。");
  lines.findNext("😀");  // nothing GBK can hold
  EXPECT_EQ(view.result, "没有找到含有「😀」的对话。");

  // 你好 in GBK: the second byte of 你 and the first of 好 read together as
  // another character, which the line does not hold.
  enterDoor(state, index);
  lines.follow();
  const std::string hello = utf8ToGbk("你好");
  const std::string across = gbkToUtf8(hello.substr(1, 2));
  ASSERT_EQ(utf8ToGbk(across), hello.substr(1, 2));
  lines.findTyped(across);
  EXPECT_EQ(view.result, "没有找到含有「" + across + "」的对话。");
  lines.findTyped("好");
  EXPECT_EQ(view.selected, 3);
}
