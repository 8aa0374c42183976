#include <gtest/gtest.h>

#include <vector>

#include "app/IndexWindows.h"
#include "app/LinesController.h"
#include "app/LinesView.h"
#include "common/Ticker.h"
#include "dialogue/Hotkeys.h"
#include "dialogue/KeyPoll.h"
#include "dialogue/ShownLine.h"
#include "dialogue/Tracks.h"
#include "platform/TextCodec.h"
#include "progress/NewProgress.h"
#include "progress/ProgressFile.h"
#include "progress/Stepping.h"
#include "support/FakeIndexModel.h"
#include "support/Files.h"
#include "support/ScriptedKeyWatch.h"
#include "support/ScriptedPrompter.h"
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
  bool onScreen() const override { return shown; }
  bool active() const override { return focused; }
  void showWithoutFocus() override { shown = true, calls.push_back("show"); }
  void focusSearch() override { focused = true, calls.push_back("focus search"); }
  void closeWindow() override { calls.push_back("close"); }
  std::uintptr_t windowId() const override { return 0x99; }

  std::vector<std::int32_t> rows, changed;
  std::int32_t selected = -1, first = -1, last = -1;
  std::string result;
  bool shown = true, focused = false;
  std::vector<std::string> calls;
};

class RecordingTicker final : public Ticker {
 public:
  void start(TimerId timer, int) override { running = timer == TimerId::LinesSearch; }
  void stop(TimerId timer) override {
    if (timer == TimerId::LinesSearch) running = false;
  }
  bool running = false;
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
  LinesController lines{state, index, nullptr, [this] { ++gone; }};
  RecordingLinesView view;
  RecordingTicker ticker;
};

TEST_F(LinesControllerTest, OpensOnTheLineShownAndFollowsAdvancesAndTrackChanges) {
  // Before any advance nothing is marked and the view stands at the next line.
  lines.attach(view, ticker);
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
  writeBytes(dir.dataDir() / "Save.sav", "5\r\n");
  LoadProgress(state, Track::Main, "/Data/Save.sav", index);
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
  lines.attach(view, ticker);
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
  lines.attach(view, ticker);
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

TEST_F(LinesControllerTest, MarksWhatTheMainWindowShowsPastTheEndAndAfterANewProgress) {
  lines.attach(view, ticker);
  ScriptedPrompter prompter;
  // Stepped past the library's end the main window shows the step's
  // fallback, and the mark says the same; a press there would show the end.
  state.mainLineNumber = 34;
  StepProgress(state, index, prompter, 1, "");
  lines.follow();
  EXPECT_EQ(index.dialogue, kStepFallbackText);
  EXPECT_EQ(lines.rowText(34), std::string(kLineMark) + " 34  " + kStepFallbackText);
  EXPECT_EQ(lines.rowText(35), "    35  " + std::string(kEndOfDialogueText));
  advance();
  EXPECT_EQ(index.dialogue, kEndOfDialogueText);
  EXPECT_EQ(lines.rowText(35), std::string(kLineMark) + " 35  " + kEndOfDialogueText);

  // A new progress moves the key to 0 and shows nothing new: the line still
  // shown stays marked until the next press shows line 0.
  state.mainLineNumber = 12;
  advance();
  prompter.answers.push_back(true);
  newProgress(state, prompter);
  lines.follow();
  EXPECT_EQ(state.mainLineKey, "0");
  EXPECT_EQ(index.dialogue, "主线第12句");
  EXPECT_EQ(view.selected, 12);
  EXPECT_EQ(lines.rowText(12).rfind(kLineMark, 0), 0u);
  EXPECT_EQ(lines.rowText(0).find(kLineMark), std::string::npos);
  advance();
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(lines.rowText(0).rfind(kLineMark, 0), 0u);
}

TEST_F(LinesControllerTest, ASearchGoesASliceATickAndANewOneEndsTheOneBefore) {
  lines.attach(view, ticker);
  lines.setSearchSlice(4);
  // From line 0, line 29 is the 30th looked at: the first slice and seven ticks.
  lines.findTyped("第29句");
  EXPECT_EQ(view.result, "正在查找「第29句」……");
  EXPECT_EQ(view.selected, 0);
  int ticks = 0;
  for (; ticker.running && ticks < 100; ++ticks) lines.onTimer(TimerId::LinesSearch);
  EXPECT_EQ(ticks, 7);
  EXPECT_EQ(view.selected, 29);
  EXPECT_EQ(view.result, "对话数：29");

  lines.findTyped("第3句");  // only the gap would hold it: every line, then the answer
  for (ticks = 0; ticker.running && ticks < 100; ++ticks) lines.onTimer(TimerId::LinesSearch);
  EXPECT_EQ(ticks, 7);
  EXPECT_EQ(view.result, "没有找到含有「第3句」的对话。");

  // Typed on before the end: the new search runs, and the old one never answers.
  view.selected = 0;
  lines.findTyped("第29句");
  lines.onTimer(TimerId::LinesSearch);
  lines.findTyped("第2句");
  EXPECT_FALSE(ticker.running);
  EXPECT_EQ(view.selected, 2);
  for (int i = 0; i < 10; ++i) lines.onTimer(TimerId::LinesSearch);
  EXPECT_EQ(view.selected, 2);
  EXPECT_EQ(view.result, "对话数：2");
}

namespace {

class RecordingFocus final : public WindowFocus {
 public:
  std::optional<Focused> focused() override { return now; }
  bool focus(WindowId window) override {
    given.push_back(window);
    return true;
  }
  std::optional<Focused> now;
  std::vector<WindowId> given;
};

// The main window's openers, of which the lines window's alone opens.
class LinesOpener final : public IndexWindows {
 public:
  LinesOpener(LinesView& view, Ticker& ticker) : view_(view), ticker_(ticker) {}
  void openHotkeys() override {}
  void openJump(DialogueState&) override {}
  void openAutoSave(IndexModel&) override {}
  void openHelp() override {}
  void openAbout(const std::string&) override {}
  void raiseAbout() override {}
  CheckReportView* openCheckReport(CheckReportController&) override { return nullptr; }
  void raiseCheckReport() override {}
  void openShowWindow(ShowFrmMembers&, ShowHost&) override {}
  void applyWindowLook(bool, int) override {}
  void openLines(LinesController& lines, const std::optional<ScreenRect>& besideGame) override {
    ++opened, game = besideGame;
    lines.attach(view_, ticker_);
  }
  int opened = 0;
  std::optional<ScreenRect> game;

 private:
  LinesView& view_;
  Ticker& ticker_;
};

}  // namespace

TEST_F(LinesControllerTest, TheKeyShowsTheWindowWithoutTheFocusThenFocusesTheSearchAndEscGivesTheFocusBack) {
  RecordingFocus focus;
  LinesOpener windows(view, ticker);
  LinesController keyed{state, index, &focus, [] {}};
  const ScreenRect gameFrame{0, 0, 1024, 768};
  focus.now = WindowFocus::Focused{0x42, false, gameFrame};

  // Opened beside the game, which keeps the focus.
  EXPECT_FALSE(keyed.askTakesFocus());
  keyed.ask(windows);
  EXPECT_EQ(windows.opened, 1);
  EXPECT_EQ(windows.game, gameFrame);
  EXPECT_TRUE(view.calls.empty());
  // Minimized: shown again, still without the focus.
  view.shown = false;
  EXPECT_FALSE(keyed.askTakesFocus());
  keyed.ask(windows);
  // On the screen: the search takes the focus; asked again there, the game
  // is still the window to go back to.
  EXPECT_TRUE(keyed.askTakesFocus());
  keyed.ask(windows);
  focus.now = WindowFocus::Focused{0x77, true, {}};
  keyed.ask(windows);
  keyed.escape();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"show", "focus search", "focus search", "close"}));
  EXPECT_EQ(focus.given, (std::vector<WindowFocus::WindowId>{0x99, 0x42}));
  EXPECT_EQ(windows.opened, 1);

  // From the menu the main window has the focus: no game to keep clear of.
  keyed.detach();
  keyed.ask(windows);
  EXPECT_EQ(windows.opened, 2);
  EXPECT_EQ(windows.game, std::nullopt);
}
