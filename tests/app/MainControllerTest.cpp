// The main window's behaviour, decided by its controller, driven the way a
// front end drives it: commands, ticks and focus, with a recording front end.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <map>
#include <mutex>
#include <thread>

#include "common/Paths.h"
#include "dialogue/DataFiles.h"
#include "dialogue/IndexForm.h"
#include "dialogue/IndexMenu.h"
#include "app/IndexView.h"
#include "app/CheckReportController.h"
#include "app/IndexWindows.h"
#include "dialogue/KeyPoll.h"
#include "dialogue/KeyWatchFailure.h"
#include "app/MainController.h"
#include "dialogue/Startup.h"
#include "dialogue/Tracks.h"
#include "library/LookupLine.h"
#include "platform/KeyWatch.h"
#include "support/Files.h"
#include "support/ScriptedKeyWatch.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

// The report window as what it was last told to show.
struct FakeCheckReport final : CheckReportView {
  std::string summary;
  std::vector<std::string> rows;
  std::thread::id shownOn;
  void showReport(const std::string& text, const std::vector<std::string>& lines) override {
    summary = text, rows = lines, shownOn = std::this_thread::get_id();
  }
};

// The front end as plain fields: the texts of the controls, the bar, the
// running timers and the windows asked for.
struct FakeFrontEnd final : IndexView, IndexWindows, Ticker {
  std::map<std::string, std::string, std::less<>> texts{{"状态提示", "待命..."}};
  std::map<std::string, bool, std::less<>> shown;
  int barPosition = -1, barSteps = 0;
  std::map<TimerId, int> running;  // interval of each ticking timer
  std::vector<std::string> opened;
  std::vector<int> heights;
  ShowHost* showHost = nullptr;
  FakeCheckReport report;
  CheckReportController* reportController = nullptr;
  bool onTop = false;
  int opacity = 0;
  WindowLook followers{false, 0};
  std::map<CommandId, bool> checked;

  void setControlText(std::string_view control, const std::string& text) override { texts[std::string(control)] = text; }
  void setBar(std::string_view control, int position, int steps) override {
    EXPECT_EQ(control, "Bar1");
    barPosition = position, barSteps = steps;
  }
  double barShare() const { return static_cast<double>(barPosition) / barSteps; }
  void setCommandEnabled(CommandId, bool) override {}
  void setCommandChecked(CommandId command, bool on) override { checked[command] = on; }
  void popUpGateMenu() override { opened.push_back("gate menu"); }
  void setStayOnTop(bool on) override { onTop = on; }
  void setOpacityPercent(int percent) override { opacity = percent; }
  void applyWindowLook(bool on, int percent) override { followers = {on, percent}; }
  void setOuterHeightTwips(int twips) override { heights.push_back(twips); }
  void setControlShown(std::string_view control, bool on) override { shown[std::string(control)] = on; }

  void openHotkeys() override { opened.push_back("HotkeysSetup"); }
  void openJump(DialogueState&) override { opened.push_back("TextNO"); }
  void openAutoSave(IndexModel&) override { opened.push_back("AutoSave"); }
  void openHelp() override { opened.push_back("Help"); }
  void openAbout(const std::string&) override { opened.push_back("About"); }
  void raiseAbout() override { opened.push_back("About raised"); }
  void openShowWindow(ShowFrmMembers&, ShowHost& host) override { showHost = &host, opened.push_back("ShowFrm"); }
  void openLines(LinesController&, const std::optional<ScreenRect>&) override { opened.push_back("Lines"); }
  CheckReportView* openCheckReport(CheckReportController& controller) override {
    reportController = &controller, opened.push_back("检查报告");
    return &report;
  }
  void raiseCheckReport() override { opened.push_back("检查报告 raised"); }

  void start(TimerId timer, int intervalMs) override { running[timer] = intervalMs; }
  void stop(TimerId timer) override { running.erase(timer); }
};

struct Lumivox {
  explicit Lumivox(TempWorkDir::Data data = TempWorkDir::Data::SampleCopy) : dir(data) {}

  TempWorkDir dir;
  FakeFrontEnd front;
  ScriptedPrompter prompter;
  ScriptedKeyWatch keys;
  bool otherInstance = false;
  int endCalls = 0;
  bool started = false;
  // Calls handed to the GUI thread, run by runPosted.
  std::mutex postedLock;
  std::vector<std::function<void()>> posted;
  UserSettings* settings = nullptr;
  KeyWatchProblem keyWatchProblem = KeyWatchProblem::None;
  bool waylandSession = false;
  std::unique_ptr<MainController> main;

  Lumivox& start() {
    MainServices services;
    services.prompter = &prompter;
    services.keys = &keys;
    services.ticker = &front;
    services.windows = &front;
    services.anotherInstanceRunning = [this] { return otherInstance; };
    services.endProgram = [this] { ++endCalls; };
    services.postToGui = [this](std::function<void()> call) {
      const std::lock_guard lock(postedLock);
      posted.push_back(std::move(call));
    };
    services.settings = settings;
    services.keyWatchProblem = keyWatchProblem;
    services.waylandSession = waylandSession;
    main = std::make_unique<MainController>(front, services);
    started = main->start();
    return *this;
  }
  DialogueState& state() { return main->state(); }
  std::string& text(const char* control) { return front.texts[control]; }
  bool on(TimerId timer) const { return main->timerOn(timer); }
  void tick(TimerId timer) { main->onTimer(timer); }
  void item(const char* name) { main->onCommand(findMenuEntry(name)->command); }
  // One press of Space in the game, seen by the next poll tick.
  void press() {
    keys.press(vk::Space);
    tick(TimerId::TimeChr);
  }
  // Waits for a call handed to the GUI thread and runs what has come.
  bool runPosted() {
    for (int waited = 0; waited < 1000; ++waited) {
      std::vector<std::function<void()>> calls;
      {
        const std::lock_guard lock(postedLock);
        calls.swap(posted);
      }
      for (auto& call : calls) call();
      if (!calls.empty()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }
  // Poll and line count until both have settled.
  void settle() {
    for (int i = 0; i < 3; ++i) tick(TimerId::TimeChr), tick(TimerId::Timer2);
  }
};

std::string line(std::string_view library, const char* section, const char* key) {
  return LookupLine(pathInCurrentDirectory(library), section, key, "?");
}

}  // namespace

TEST(MainControllerStart, TimersAsDesignedAndTimer1NeverTicks) {
  Lumivox l;
  l.start();
  EXPECT_EQ(l.front.running, (std::map<TimerId, int>{{TimerId::TimeChr, 20}, {TimerId::Timer2, 1},
                                                     {TimerId::Timer3, 30000}, {TimerId::UserNumberTi, 5}}));
  EXPECT_TRUE(l.on(TimerId::Timer1));
  // An interval of 0 stops the ticks but keeps the switch.
  l.main->setTimerInterval(TimerId::Timer3, 0);
  EXPECT_FALSE(l.front.running.count(TimerId::Timer3));
  EXPECT_TRUE(l.on(TimerId::Timer3));
  l.main->setTimerInterval(TimerId::Timer3, 2000);
  EXPECT_EQ(l.front.running.at(TimerId::Timer3), 2000);
}

TEST(MainControllerStart, ReadsTheHotkeyAndSaysItIsReady) {
  Lumivox l;
  writeBytes(l.dir.dataDir() / "HotKeys.opi", "B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n");
  l.start();
  EXPECT_TRUE(l.started);
  EXPECT_TRUE(l.prompter.boxes.empty());
  EXPECT_EQ(l.text("状态提示"), kReadyText);
  EXPECT_EQ(l.state().activeTrack, "IndexText");
  EXPECT_EQ(l.state().hotkeyToken, "B2C3D-4E5F6-A7B8C-9D0E1-F2A3B");
  EXPECT_EQ(l.state().counterPagePath, pathInCurrentDirectory(kCounterPageFile));
}

TEST(MainControllerStart, WithoutHotkeyFileOrDataFolderOneErrorAndCountingWorks) {
  for (bool dataFolder : {true, false}) {
    Lumivox l(dataFolder ? TempWorkDir::Data::SampleCopy : TempWorkDir::Data::None);
    if (dataFolder) std::filesystem::remove(l.dir.dataDir() / "HotKeys.opi");
    l.start();
    EXPECT_TRUE(l.started);
    ASSERT_EQ(l.prompter.boxes.size(), 1u);
    EXPECT_EQ(l.prompter.boxes[0].text, kStartupErrorText);
    EXPECT_EQ(l.prompter.boxes[0].title, "出错了");
    EXPECT_TRUE(l.prompter.boxes[0].icon == Prompter::Icon::Critical);
    EXPECT_EQ(l.text("状态提示"), "待命...");
    EXPECT_FALSE(l.on(TimerId::UserNumberTi));  // the counter page is never loaded
    l.settle();  // the error box has gone
    l.press();
    EXPECT_EQ(l.state().mainLineNumber, 1);  // Space, as no hotkey was read
  }
}

// While a second copy asks whether it may stay, the first one goes on: the
// second must neither count the first copy's presses nor save over its files.
TEST(MainControllerStart, SecondCopyRunsNothingBeforeItsWarningIsAnswered) {
  for (bool leave : {true, false}) {
    Lumivox l;
    writeBytes(l.dir.dataDir() / "AutoSave.sav", "57\r\n");  // the first copy's
    l.otherInstance = true;
    l.prompter.answers = {leave};
    std::map<TimerId, int> runningBehindTheBox{{TimerId::Timer1, 1}};
    l.prompter.onBox = [&](const ScriptedPrompter::Box&) {
      runningBehindTheBox = l.front.running;
      l.keys.press(vk::Space);  // in the game, for the first copy
      for (TimerId timer : {TimerId::TimeChr, TimerId::Timer3, TimerId::UserNumberTi}) l.tick(timer);
    };
    l.start();
    ASSERT_EQ(l.prompter.boxes.size(), 1u);
    EXPECT_EQ(l.prompter.boxes[0].title, "我想对你说");
    EXPECT_TRUE(l.prompter.boxes[0].buttons == Prompter::Buttons::OkCancel);
    EXPECT_EQ(l.prompter.boxes[0].text.rfind("老实说，我并不希望被装载多次", 0), 0u);
    EXPECT_TRUE(runningBehindTheBox.empty());
    EXPECT_EQ(l.state().mainLineNumber, 0);
    EXPECT_TRUE(l.text("UserNumberBrowser").empty());
    EXPECT_EQ(readBytes(l.dir.dataDir() / "AutoSave.sav"), "57\r\n");
    EXPECT_EQ(l.started, !leave);
    EXPECT_EQ(l.endCalls, leave ? 1 : 0);
    EXPECT_EQ(l.text("状态提示"), leave ? "待命..." : kReadyText);
    EXPECT_EQ(l.front.running.size(), leave ? 0u : 4u);
    if (leave) continue;
    l.tick(TimerId::TimeChr);  // the press behind the box was not this copy's
    EXPECT_EQ(l.state().mainLineNumber, 0);
    l.press();
    EXPECT_EQ(l.state().mainLineNumber, 1);
  }
}

TEST(MainControllerStart, CounterPageShowsItsTextThenTheTimerStops) {
  Lumivox l;
  std::string nested = "<html><body>";
  for (int i = 0; i < 3000; ++i) nested += "<table><tr><td>";
  nested += "4096";
  for (int i = 0; i < 3000; ++i) nested += "</td></tr></table>";
  writeBytes(l.dir.dataDir() / "GoUserNumberFiles.ED63rd", nested + "</body></html>");
  l.start();
  l.tick(TimerId::UserNumberTi);
  EXPECT_EQ(l.text("状态提示"), "正在获取您的相关信息...");
  EXPECT_EQ(l.text("UserNumberBrowser"), "4096");
  l.tick(TimerId::UserNumberTi);
  EXPECT_EQ(l.text("状态提示"), "获取完毕...待命中...");
  EXPECT_FALSE(l.on(TimerId::UserNumberTi));
}

// Once the window shows: a watch that hears nothing says why in a box, and
// on a Wayland desktop the status line says which games count. Either stays
// the status line's text once the counter page has said its part.
TEST(MainControllerStart, WhatTheKeyWatchHearsIsSaidOnceTheWindowShows) {
  struct Case {
    KeyWatchProblem problem;
    bool wayland;
    const char* status;
    const char* box;  // nothing when none
  };
  const Case cases[] = {
      {KeyWatchProblem::None, false, "获取完毕...待命中...", nullptr},
      {KeyWatchProblem::None, true, kXwaylandOnlyStatus, nullptr},
      {KeyWatchProblem::NoXDisplay, true, kKeyWatchFailedStatus, kNoXDisplayText},
      {KeyWatchProblem::NoRawKeyEvents, false, kKeyWatchFailedStatus, kKeyWatchFailedText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    Lumivox l;
    l.keyWatchProblem = c.problem;
    l.waylandSession = c.wayland;
    l.start();
    l.main->onShown();
    if (c.box) {
      ASSERT_EQ(l.prompter.boxes.size(), 1u);
      EXPECT_EQ(l.prompter.boxes[0].text, c.box);
      EXPECT_EQ(l.prompter.boxes[0].icon, Prompter::Icon::Critical);
    } else {
      EXPECT_TRUE(l.prompter.boxes.empty());
    }
    l.tick(TimerId::UserNumberTi);
    l.tick(TimerId::UserNumberTi);
    EXPECT_EQ(l.text("状态提示"), c.status);
  }
  EXPECT_NE(std::string(kNoXDisplayText).find("Lumivox 要通过 X 显示（Wayland 桌面中是 Xwayland）才能得到游戏的按键"),
            std::string::npos);
}

TEST(MainControllerStart, TheWindowLookComesFromTheSettingsAndTheirProblemsShowOnceShown) {
  Lumivox l;
  writeBytes(l.dir.path() / "settings.ini", "[Window]\nStayOnTop=true\nOpacity=7O\n");
  UserSettings settings(l.dir.file("settings.ini"));
  l.settings = &settings;
  l.start();
  EXPECT_TRUE(l.front.onTop);
  EXPECT_EQ(l.front.opacity, 100);
  EXPECT_EQ(l.front.followers, (WindowLook{true, 100}));
  EXPECT_TRUE(l.prompter.boxes.empty());
  l.main->onShown();
  ASSERT_EQ(l.prompter.boxes.size(), 1u);
  EXPECT_NE(l.prompter.boxes[0].text.find("Opacity=7O"), std::string::npos);
}

TEST(MainControllerWindowLook, TheMenuChangesTheLookEverywhereAndRemembersIt) {
  Lumivox l;
  UserSettings settings(l.dir.file("config/settings.ini"));
  l.settings = &settings;
  l.start();
  EXPECT_EQ(l.front.checked, (std::map<CommandId, bool>{{CommandId::StayOnTop, false},
                                                        {CommandId::Opacity100, true},
                                                        {CommandId::Opacity85, false},
                                                        {CommandId::Opacity70, false},
                                                        {CommandId::Opacity55, false}}));
  l.item("总在最前");
  l.item("透明度55");
  EXPECT_TRUE(l.front.onTop);
  EXPECT_EQ(l.front.opacity, 55);
  EXPECT_EQ(l.front.followers, (WindowLook{true, 55}));
  EXPECT_TRUE(l.front.checked[CommandId::StayOnTop]);
  EXPECT_TRUE(l.front.checked[CommandId::Opacity55]);
  EXPECT_FALSE(l.front.checked[CommandId::Opacity100]);
  UserSettings saved(l.dir.file("config/settings.ini"));
  saved.load();
  EXPECT_EQ(readWindowLook(saved), (WindowLook{true, 55}));
  l.item("总在最前");
  EXPECT_FALSE(l.front.onTop);
  EXPECT_TRUE(l.prompter.boxes.empty());
}

TEST(MainControllerWindowLook, AnUnwritableFolderIsSaidOnceAndTheLookStillChanges) {
  Lumivox l;
  writeBytes(l.dir.path() / "config", "a file, not a folder");
  UserSettings settings(l.dir.file("config/lumivox/settings.ini"));
  l.settings = &settings;
  l.start();
  l.item("总在最前");
  l.item("透明度85");
  EXPECT_EQ(l.front.followers, (WindowLook{true, 85}));
  ASSERT_EQ(l.prompter.boxes.size(), 1u);
  EXPECT_EQ(l.prompter.boxes[0].icon, Prompter::Icon::Critical);
}

TEST(MainControllerLineCount, ReadOnceWhenUsableElseRetriedSilently) {
  const std::pair<const char*, float> cases[] = {
      {"TextNumber=48", 48}, {"Other=1", 1}, {"TextNumber=0", 100}, {"TextNumber=-4", 100}, {"TextNumber=many", 100}};
  for (const auto& [countLine, maximum] : cases) {
    SCOPED_TRACE(countLine);
    Lumivox l;
    writeBytes(l.dir.dataDir() / "Quorra.data", std::string("[Quorra]\r\n0=x\r\n[TextNumber]\r\n") + countLine + "\r\n");
    l.start();
    for (int i = 0; i < 20; ++i) l.tick(TimerId::Timer2);
    EXPECT_EQ(l.main->barMaximum(), maximum);
    EXPECT_EQ(l.on(TimerId::Timer2), maximum == 100);
    EXPECT_TRUE(l.prompter.boxes.empty());
  }
}

TEST(MainControllerAdvance, PressesShowLinesStatusBarAndPercentage) {
  Lumivox l;
  l.start();
  l.settle();
  for (int i = 0; i < 3; ++i) l.press();
  EXPECT_EQ(l.state().mainLineNumber, 3);
  EXPECT_EQ(l.text("对话内容"), line(kMainLibraryFile, "Quorra", "2"));
  EXPECT_EQ(l.text("状态提示"), "确认用户跳过对话。对话数：2");
  EXPECT_EQ(l.text("BFB"), "4");  // 2 of 48 lines
  EXPECT_NEAR(l.front.barShare(), 2.0 / 48, 1e-3);
  EXPECT_EQ(l.text("Dirurl"), pathInCurrentDirectory(kMainLibraryFile));
  EXPECT_TRUE(l.main->commandEnabled(CommandId::SaveMain));
  EXPECT_FALSE(l.main->commandEnabled(CommandId::SaveDoor));  // the door track has not advanced
}

TEST(MainControllerAdvance, TheLinesWindowOpensWithoutTakingTheNextPressFromTheGame) {
  Lumivox l;
  l.start();
  l.settle();
  l.item("对话列表");
  EXPECT_EQ(l.front.opened, std::vector<std::string>{"Lines"});
  l.press();
  EXPECT_EQ(l.state().mainLineNumber, 1);
}

TEST(MainControllerAdvance, BrokenLibrariesShowWhatTheyHoldWithoutABox) {
  struct Case { std::string library, first, second; float maximum; };
  std::string binary;
  for (unsigned i = 0; i < 300000; ++i) binary += static_cast<char>((i * 7919u + i / 13) % 256);
  const Case cases[] = {
      {"", kEndOfDialogueText, kEndOfDialogueText, 1},
      {binary, kEndOfDialogueText, kEndOfDialogueText, 1},
      {"[TextNumber]\r\nTextNumber=2\r\n[Quorra]\r\n0=ok\xFF\xFF\r\n1=\x81\r\n", "ok\uFFFD\uFFFD", "", 2},
      {"[TextNumber]\r\nTextNumber=2\r\n[Quorra]\r\n0=a\r\n1=last", "a", "last", 2},
  };
  for (const Case& c : cases) {
    Lumivox l;
    writeBytes(l.dir.dataDir() / "Quorra.data", c.library);
    l.start();
    l.settle();
    EXPECT_EQ(l.main->barMaximum(), c.maximum);
    l.press();
    EXPECT_EQ(l.text("对话内容"), c.first);
    l.press();
    EXPECT_EQ(l.text("对话内容"), c.second);
    EXPECT_EQ(l.text("状态提示"), "确认用户跳过对话。对话数：1");
    EXPECT_TRUE(l.prompter.boxes.empty());
  }
}

// A press answered the program when one of its windows or boxes held the
// focus at any moment since the tick before, however short: a tap closes a
// box and the focus is back in the game before the next tick.
TEST(MainControllerAdvance, PressesWhileTheProgramHeldTheFocusSinceTheLastTickAreNotCounted) {
  // P a press, T a poll tick, I and O the focus entering and leaving the program.
  const std::pair<const char*, int> sequences[] = {
      {"PT", 1},       // in the game
      {"IPOT", 0},     // a tap that closes a box between two ticks
      {"IPOTPT", 1},   // the first press in the game after it counts
      {"IPTTOTT", 0},  // made in the window and dropped as the focus left
      {"IOTPT", 1},    // the focus came and went before that press
  };
  for (const auto& [sequence, counted] : sequences) {
    SCOPED_TRACE(sequence);
    Lumivox l;
    l.start();
    l.settle();
    for (const char* event = sequence; *event; ++event) {
      if (*event == 'P') l.keys.press(vk::Space);
      if (*event == 'T') l.tick(TimerId::TimeChr);
      if (*event == 'I' || *event == 'O') l.main->onProgramFocus(*event == 'I');
    }
    EXPECT_EQ(l.state().mainLineNumber, counted);
  }

  // Both boxes of the switch to the main story answered with a tap, the
  // focus back in the game before any tick; the platform may not even have
  // reported the second box.
  Lumivox l;
  l.start();
  l.settle();
  l.prompter.answers = {true};
  l.prompter.onBox = [&](const ScriptedPrompter::Box& box) {
    if (box.kind == ScriptedPrompter::Box::Kind::Ask) l.main->onProgramFocus(true);
    l.keys.press(vk::Space);
    l.main->onProgramFocus(false);
  };
  l.item("主线剧情");
  ASSERT_EQ(l.prompter.boxes.size(), 2u);
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.state().mainLineNumber, 0);
  l.press();
  EXPECT_EQ(l.state().mainLineNumber, 1);
}

TEST(MainControllerFocus, TheWindowsOwnFocusPausesAndResumesPolling) {
  Lumivox l;
  l.start();
  l.main->onFocus(false);
  EXPECT_FALSE(l.on(TimerId::TimeChr));
  EXPECT_FALSE(l.on(TimerId::Timer2));
  EXPECT_EQ(l.text("状态提示"), "程序失去焦点，停止判断按键。");
  l.keys.press(vk::Space);  // made while paused: never counted
  l.main->onFocus(true);
  EXPECT_TRUE(l.on(TimerId::TimeChr));
  EXPECT_TRUE(l.on(TimerId::Timer2));
  EXPECT_EQ(l.text("状态提示"), "程序获得焦点，重新开始判断按键。");
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.state().mainLineNumber, 0);
  l.press();
  EXPECT_EQ(l.state().mainLineNumber, 1);
}

TEST(MainControllerClose, QuestionDecidesAndTheExitItemAsksTheSame) {
  Lumivox l;
  l.start();
  l.prompter.answers = {false};
  EXPECT_FALSE(l.main->onCloseRequested());
  EXPECT_EQ(l.endCalls, 0);
  const auto& box = l.prompter.boxes.back();
  EXPECT_EQ(box.text, "您是否要退出软件？而不保存现在进行的对话进度？");
  EXPECT_EQ(box.title, "退出确认");
  EXPECT_TRUE(box.buttons == Prompter::Buttons::YesNo);
  EXPECT_TRUE(box.icon == Prompter::Icon::Question);
  EXPECT_TRUE(l.on(TimerId::TimeChr) && l.on(TimerId::Timer3));
  l.prompter.answers = {true};
  EXPECT_TRUE(l.main->onCloseRequested());
  EXPECT_EQ(l.endCalls, 1);

  l.prompter.answers = {false, true};
  l.item("退出");
  EXPECT_EQ(l.endCalls, 1);
  l.item("退出");
  EXPECT_EQ(l.endCalls, 2);
  EXPECT_EQ(l.prompter.boxes.back().title, "退出确认");
}

TEST(MainControllerTracks, MainStorySwitchAsksAndGoesOnWhereItStood) {
  Lumivox l;
  l.start();
  l.settle();
  l.press(), l.press();
  l.item("星之扉1");
  l.settle();
  EXPECT_EQ(l.main->barMaximum(), 24);  // the door stories' line count
  l.press();
  const std::string status = l.text("状态提示"), shown = l.text("对话内容");

  l.prompter.answers = {false};
  l.item("主线剧情");
  ASSERT_EQ(l.prompter.boxes.size(), 1u);
  EXPECT_EQ(l.prompter.boxes[0].text, kSwitchQuestionText);
  EXPECT_EQ(l.state().activeTrack, "InDoor");
  EXPECT_FALSE(l.on(TimerId::Timer2));

  l.prompter.answers = {true};
  bool timer2OnBehindTheSuccessBox = false;
  l.prompter.onBox = [&](const ScriptedPrompter::Box&) { timer2OnBehindTheSuccessBox = l.on(TimerId::Timer2); };
  l.main->onCommand(CommandId::MainStory);  // the label's click
  ASSERT_EQ(l.prompter.boxes.size(), 3u);
  EXPECT_EQ(l.prompter.boxes[2].title, "成功操作");
  EXPECT_TRUE(timer2OnBehindTheSuccessBox);
  EXPECT_EQ(l.state().activeTrack, "IndexText");
  EXPECT_EQ(l.state().mainLineNumber, 2);
  EXPECT_EQ(l.state().doorLineNumber, 1);
  EXPECT_EQ(l.state().doorLineKey, "0");
  EXPECT_EQ(l.text("状态提示"), status);
  EXPECT_EQ(l.text("对话内容"), shown);
  l.settle();
  EXPECT_EQ(l.main->barMaximum(), 48);
  l.press();  // the main story goes on where it stood
  EXPECT_EQ(l.text("对话内容"), line(kMainLibraryFile, "Quorra", "2"));
}

TEST(MainControllerTracks, EveryDoorStartsTheDoorTrackAtLineZero) {
  Lumivox l;
  l.start();
  l.settle();
  l.press();
  for (std::string_view door : doorEntryItems()) {
    SCOPED_TRACE(door);
    l.item(std::string(door).c_str());
    EXPECT_EQ(l.state().activeTrack, "InDoor");
    EXPECT_EQ(l.state().doorLineNumber, 0);
    l.press();
    EXPECT_EQ(l.text("对话内容"), line(kDoorLibraryFile, "Door", "0"));
    EXPECT_EQ(l.text("状态提示"), "确认用户跳过对话。对话数：0");
    l.press();  // the next door starts from elsewhere
  }
  EXPECT_EQ(l.state().mainLineNumber, 1);  // the main counter survives every door
  EXPECT_TRUE(l.prompter.boxes.empty());
}

// Which button a label answers is the table's; the front end forwards every one.
TEST(MainControllerTracks, LabelsAnswerTheirButtons) {
  Lumivox l;
  l.start();
  const ControlTable& form = indexForm();
  l.item("星之扉1");
  l.main->onLabelReleased(*form.find("Label7"), false);
  EXPECT_TRUE(l.prompter.boxes.empty());
  l.prompter.answers = {true};
  l.main->onLabelReleased(*form.find("Label7"), true);
  ASSERT_EQ(l.prompter.boxes.size(), 2u);
  EXPECT_EQ(l.prompter.boxes[0].text, kSwitchQuestionText);
  EXPECT_EQ(l.state().activeTrack, "IndexText");

  l.main->onLabelReleased(*form.find("Label9"), false);
  EXPECT_TRUE(l.front.heights.empty());
  l.main->onLabelReleased(*form.find("Label8"), false);  // the right button as the left
  l.main->onLabelReleased(*form.find("Label8"), true);
  l.main->onLabelReleased(*form.find("Label6"), true);  // no command
  EXPECT_EQ(l.front.opened, (std::vector<std::string>{"gate menu", "gate menu"}));
  EXPECT_EQ(l.prompter.boxes.size(), 2u);
}

TEST(MainControllerTracks, CollapseAndExpandChangeOnlyTheHeightWhatShowsAndTheExpandItem) {
  Lumivox l;
  l.start();
  EXPECT_FALSE(l.main->commandEnabled(CommandId::ShowTrackChoice));
  l.item("显示主支线对话选择");  // disabled: nothing
  l.main->onLabelReleased(*indexForm().find("Label9"), true);
  EXPECT_TRUE(l.main->commandEnabled(CommandId::ShowTrackChoice));
  std::vector<std::string> hidden;
  for (const auto& [name, on] : l.front.shown)
    if (!on) hidden.push_back(name);
  EXPECT_EQ(hidden, (std::vector<std::string>{"Dirurl", "Dirurl2", "Frame3", "Label10", "Label11", "Label6", "Label7",
                                              "Label8", "Label9", "Text1", "Text3", "UserNumberBrowser"}));
  EXPECT_EQ(l.front.shown.size(), indexForm().controls.size());
  l.item("显示主支线对话选择");
  EXPECT_FALSE(l.main->commandEnabled(CommandId::ShowTrackChoice));
  EXPECT_EQ(l.front.heights, (std::vector<int>{5235, 7100}));
  for (const ControlRow& control : indexForm().controls)
    EXPECT_EQ(l.front.shown[control.name], control.kind != ControlKind::HiddenField) << control.name;
}

TEST(MainControllerDebug, PausesPollLineCountAndAutoSaveUntilLeft) {
  Lumivox l;
  l.start();
  l.item("Debug模式");  // before the first advance it cannot be entered
  EXPECT_TRUE(l.prompter.boxes.empty());
  l.settle();
  l.press();
  std::vector<bool> behindTheBox;
  auto timers = [&] { return std::vector<bool>{l.on(TimerId::TimeChr), l.on(TimerId::Timer2), l.on(TimerId::Timer3)}; };
  l.prompter.onBox = [&](const ScriptedPrompter::Box&) { behindTheBox = timers(); };
  l.item("Debug模式");
  ASSERT_EQ(l.prompter.boxes.size(), 1u);
  EXPECT_EQ(l.prompter.boxes[0].text, "成功进入Debug模式。。现在中止检测按键记录和自动保存功能。");
  EXPECT_EQ(behindTheBox, (std::vector<bool>{true, false, true}));  // the message first
  EXPECT_EQ(timers(), (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(l.main->commandEnabled(CommandId::LeaveDebugMode));
  EXPECT_FALSE(l.main->commandEnabled(CommandId::DebugMode));

  l.keys.press(vk::Space);  // made while paused
  l.item("退出Debug模式");
  EXPECT_EQ(l.prompter.boxes[1].text, "成功退出Debug模式。。现在重启检测按键记录和自动保存功能。");
  EXPECT_EQ(behindTheBox, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(l.on(TimerId::TimeChr) && l.on(TimerId::Timer3));
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.state().mainLineNumber, 1);  // the press made in debug mode is not counted
  l.press();
  EXPECT_EQ(l.text("状态提示"), "确认用户跳过对话。对话数：1");
}

// Debug mode's pause outlasts a showing of the show window.
TEST(MainControllerShowWindow, ClosingItRestoresTheTimersAsTheyWere) {
  Lumivox l;
  l.start();
  l.settle();
  l.press();
  l.item("Debug模式");
  l.item("展示窗体");
  ASSERT_TRUE(l.front.showHost);
  l.front.showHost->pauseForShowWindow();
  EXPECT_FALSE(l.on(TimerId::Timer1));
  l.front.showHost->resumeAfterShowWindow();
  for (TimerId timer : {TimerId::TimeChr, TimerId::Timer2, TimerId::Timer3}) EXPECT_FALSE(l.on(timer));
  EXPECT_TRUE(l.on(TimerId::Timer1));
  EXPECT_TRUE(l.main->commandEnabled(CommandId::LeaveDebugMode));
}

// At main line 40 of 48 a door's count of 24 must not fill the bar while
// the percentage still says 83.
TEST(MainControllerShowWindow, ANewMaximumBelowTheValueWaitsForTheNextAdvance) {
  Lumivox l;
  l.start();
  l.settle();
  l.state().mainLineNumber = 40;
  l.press();
  EXPECT_EQ(l.text("BFB"), "83");
  l.item("星之扉2");
  l.tick(TimerId::Timer2);
  EXPECT_FALSE(l.on(TimerId::Timer2));  // read once, no spinning
  EXPECT_NEAR(l.front.barShare(), 40.0 / 48, 1e-3);
  EXPECT_EQ(l.text("BFB"), "83");
  l.press();  // the door's line 0
  EXPECT_EQ(l.front.barShare(), 0);
  EXPECT_EQ(l.main->barMaximum(), 24);
  EXPECT_EQ(l.text("BFB"), "0");
}

TEST(MainControllerWindows, AboutOpensOnceAndDisabledCommandsDoNothing) {
  Lumivox l;
  l.start();
  l.item("关于");
  l.item("关于");
  l.main->onAboutClosed();
  l.item("关于");
  l.item("保存当前的对话进度");  // usable only after an advance
  EXPECT_EQ(l.front.opened, (std::vector<std::string>{"About", "About raised", "About"}));
  EXPECT_TRUE(l.prompter.boxes.empty());
}

namespace {

// A combination pressed in the game: its modifiers held around one press of
// its key, then everything let go after the tick that sees it.
void combination(Lumivox& l, std::initializer_list<int> modifiers, int key) {
  for (int modifier : modifiers) l.keys.hold(modifier);
  l.keys.press(key);
  l.tick(TimerId::TimeChr);
  for (int modifier : modifiers) l.keys.release(modifier);
}

}  // namespace

TEST(MainControllerPlayerKeys, PauseStopsCountingSaysHowToResumeAndKeepsAutoSave) {
  Lumivox l;
  l.start();
  l.settle();
  l.press();
  combination(l, {}, vk::Pause);
  EXPECT_EQ(l.text("状态提示"), "已暂停计数：游戏中的按键不再翻页。按 Pause 继续。");
  EXPECT_TRUE(l.main->countingPaused());
  EXPECT_TRUE(l.front.checked.at(CommandId::PauseCounting));
  l.press();
  EXPECT_EQ(l.state().mainLineNumber, 1);
  l.tick(TimerId::Timer3);
  EXPECT_EQ(readBytes(l.dir.dataDir() / "AutoSave.sav"), "0\r\n");
  l.item("暂停计数");  // the menu row resumes it as well
  EXPECT_FALSE(l.main->countingPaused());
  EXPECT_FALSE(l.front.checked.at(CommandId::PauseCounting));
  l.press();
  EXPECT_EQ(l.state().mainLineNumber, 2);
  EXPECT_TRUE(l.prompter.boxes.empty());
}

// Read from [Keys] at start, a bad one its default, one given twice none,
// and a sentence each in one box; set from the hotkey window, acting at once
// and written back.
TEST(MainControllerPlayerKeys, KeptInTheSettingsFile) {
  Lumivox l;
  writeBytes(l.dir.path() / "settings.ini", "[Keys]\nPause=num+0\nStepBack=Meta+X\nStepForward=Num+0\nLines=\n");
  UserSettings settings(l.dir.file("settings.ini"));
  l.settings = &settings;
  l.start();
  l.settle();
  const PlayerKeySet& keys = l.main->playerKeys();
  EXPECT_EQ(formatKeyCombo(keys[0]), "Num+0");
  EXPECT_EQ(formatKeyCombo(keys[1]), "Ctrl+Alt+PgUp");
  EXPECT_TRUE(keys[2].none());
  EXPECT_TRUE(keys[3].none());
  l.main->onShown();
  ASSERT_EQ(l.prompter.boxes.size(), 1u);
  for (const char* said : {"StepBack=Meta+X", "Ctrl+Alt+PgUp", "「快进一句」的按键 Num+0 已经是「暂停计数」的按键了"})
    EXPECT_NE(l.prompter.boxes[0].text.find(said), std::string::npos) << said;

  l.settle();  // the box held the focus
  PlayerKeySet changed = keys;
  changed[0] = *parseKeyCombo("F9");
  l.main->setPlayerKeys(changed);
  combination(l, {}, vk::F1 + 8);
  EXPECT_TRUE(l.main->countingPaused());
  const std::string written = readBytes(l.dir.path() / "settings.ini");
  for (const char* line : {"Pause=F9", "StepBack=Ctrl+Alt+PgUp", "Lines="})
    EXPECT_NE(written.find(line), std::string::npos) << line << " in " << written;
  EXPECT_EQ(written.find("Lines=Ctrl"), std::string::npos);
}

// The dialogue key of HotKeys.opi alone as a player key would take every
// press: that key is left without one, and the box says so.
TEST(MainControllerPlayerKeys, OneThatIsTheDialogueKeyIsRefusedAtTheStart) {
  Lumivox l;
  writeBytes(l.dir.dataDir() / "HotKeys.opi", "B2C3D-4E5F6-A7B8C-9D0E1-F2A3B\r\n");  // Enter
  writeBytes(l.dir.path() / "settings.ini", "[Keys]\nStepForward=Return\nLines=Space\n");
  UserSettings settings(l.dir.file("settings.ini"));
  l.settings = &settings;
  l.start();
  l.settle();
  EXPECT_TRUE(l.main->playerKeys()[2].none());
  EXPECT_EQ(formatKeyCombo(l.main->playerKeys()[3]), "Space");
  l.main->onShown();
  ASSERT_EQ(l.prompter.boxes.size(), 1u);
  EXPECT_NE(l.prompter.boxes[0].text.find("「快进一句」的按键 Return 是切换对话的热键"), std::string::npos)
      << l.prompter.boxes[0].text;
  l.settle();
  l.keys.press(vk::Return);
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.state().mainLineNumber, 1);
}

TEST(MainControllerPlayerKeys, StepsDoWhatTheMenuDoesAtTheEndsToo) {
  Lumivox l;
  l.start();
  l.settle();
  l.state().mainLineNumber = 5;
  combination(l, {vk::Control, vk::Menu}, vk::PageUp);
  EXPECT_EQ(l.state().mainLineNumber, 4);
  EXPECT_EQ(l.text("状态提示"), "已成功将对话往前一个屏幕。对话数：5");
  combination(l, {vk::Control, vk::Menu}, vk::PageDown);
  EXPECT_EQ(l.state().mainLineNumber, 5);
  EXPECT_TRUE(l.prompter.boxes.empty());
  l.state().mainLineNumber = std::numeric_limits<std::int32_t>::max();
  combination(l, {vk::Control, vk::Menu}, vk::PageDown);
  ASSERT_EQ(l.prompter.boxes.size(), 1u);
  EXPECT_EQ(l.prompter.boxes[0].title, "出错了");
  EXPECT_EQ(l.text("状态提示"), "发生错误！");
  EXPECT_EQ(l.state().mainLineNumber, std::numeric_limits<std::int32_t>::max());
}

// Exactly its modifiers, and its own keys never advance the dialogue: its
// key when that is the dialogue key, its modifier when that is.
TEST(MainControllerPlayerKeys, ACombinationIsNeverCountedAsAnAdvance) {
  Lumivox l;
  l.start();
  l.settle();
  combination(l, {vk::Control, vk::Menu, vk::Shift}, vk::PageUp);
  EXPECT_EQ(l.state().mainLineNumber, 0) << "a modifier more is another combination";

  PlayerKeySet keys = defaultPlayerKeys();
  keys[static_cast<std::size_t>(PlayerAction::Pause)] = *parseKeyCombo("Ctrl+Space");
  l.main->setPlayerKeys(keys);
  combination(l, {vk::Control}, vk::Space);
  EXPECT_TRUE(l.main->countingPaused());
  combination(l, {vk::Control}, vk::Space);
  EXPECT_EQ(l.state().mainLineNumber, 0) << "the dialogue key as a combination's key";
  l.press();
  EXPECT_EQ(l.state().mainLineNumber, 1);

  // Ctrl advances the dialogue: it counts once let go, unless a combination
  // acted while it was held.
  l.state().hotkeyToken = "KXQ2M-7TRW4-HPN8V-3GZL6-YJC9B";
  l.keys.hold(vk::Control);
  l.tick(TimerId::TimeChr);
  combination(l, {vk::Menu}, vk::PageDown);
  l.keys.release(vk::Control);
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.state().mainLineNumber, 2) << "stepped forward, not advanced";
  l.keys.hold(vk::Control);
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.state().mainLineNumber, 2) << "held: not yet";
  l.keys.release(vk::Control);
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.state().mainLineNumber, 3);
  l.keys.press(vk::Control);  // a tap between two ticks
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.state().mainLineNumber, 4);
}

// 帮助 › 检查词库 on the checker's broken folder: the window says it is
// checking, and the console program's report (rows, then the summary line)
// comes only through the GUI thread; a window closed before it is left alone.
TEST(MainControllerWindows, CheckLibraryShowsTheConsoleReportFromAWorkerThread) {
#ifdef _WIN32
  GTEST_SKIP() << "the broken folder is made by a shell script";
#else
  Lumivox l(TempWorkDir::Data::None);
  ASSERT_EQ(std::system(("'" LUMIVOX_MAKE_BROKEN_FOLDER "' '" + l.dir.path().string() + "'").c_str()), 0);
  std::vector<std::string> expected;
  std::ifstream report(LUMIVOX_BROKEN_FOLDER_REPORT);
  for (std::string row; std::getline(report, row);) expected.push_back(row);
  const std::string summary = expected.back();
  expected.pop_back();
  l.start();

  l.item("检查词库");
  l.item("检查词库");  // while it checks: only raised, no second check
  EXPECT_EQ(l.front.report.summary, kCheckingText);
  EXPECT_TRUE(l.front.report.rows.empty());
  ASSERT_TRUE(l.runPosted());
  EXPECT_EQ(l.front.report.shownOn, std::this_thread::get_id());
  EXPECT_EQ(l.front.report.summary, summary);
  EXPECT_EQ(l.front.report.rows, expected);

  l.item("检查词库");  // asked again: a fresh check
  EXPECT_EQ(l.front.report.summary, kCheckingText);
  l.front.reportController->onWindowClosed();
  ASSERT_TRUE(l.runPosted());
  EXPECT_EQ(l.front.report.summary, kCheckingText);
  l.item("检查词库");
  ASSERT_TRUE(l.runPosted());
  EXPECT_EQ(l.front.report.summary, summary);
  EXPECT_EQ(l.front.opened,
            (std::vector<std::string>{"检查报告", "检查报告 raised", "检查报告 raised", "检查报告"}));
#endif
}
