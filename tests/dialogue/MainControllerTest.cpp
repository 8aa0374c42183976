#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "dialogue/IndexView.h"
#include "dialogue/IndexWindows.h"
#include "dialogue/MainController.h"
#include "platform/KeyWatch.h"
#include "support/ScriptedKeyWatch.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkDir.h"

using namespace lumivox;

namespace {

// The front end as plain fields: the texts of the controls, the bar, the
// running timers and the windows asked for.
struct FakeFrontEnd final : IndexView, IndexWindows, Ticker {
  std::map<std::string, std::string, std::less<>> texts;
  float barValue = 0, barMaximum = 100;
  std::map<TimerId, int> running;  // interval of each ticking timer
  std::vector<std::string> opened;
  ShowHost* showHost = nullptr;

  void setControlText(std::string_view control, const std::string& text) override { texts[std::string(control)] = text; }
  void setBar(float value, float maximum) override { barValue = value, barMaximum = maximum; }
  void setCommandEnabled(CommandId, bool) override {}
  void popUpGateMenu() override { opened.push_back("gate menu"); }
  void setOuterHeightTwips(int) override {}

  void openHotkeys() override { opened.push_back("HotkeysSetup"); }
  void openJump(DialogueState&) override { opened.push_back("TextNO"); }
  void openAutoSave(IndexModel&) override { opened.push_back("AutoSave"); }
  void openHelp() override { opened.push_back("Help"); }
  void openAbout(const std::string&) override { opened.push_back("About"); }
  void raiseAbout() override { opened.push_back("About raised"); }
  void openShowWindow(ShowFrmMembers&, ShowHost& host) override { showHost = &host, opened.push_back("ShowFrm"); }

  void start(TimerId timer, int intervalMs) override { running[timer] = intervalMs; }
  void stop(TimerId timer) override { running.erase(timer); }
};

struct Lumivox {
  TempWorkDir dir;
  FakeFrontEnd front;
  ScriptedPrompter prompter;
  ScriptedKeyWatch keys;
  bool programFocused = false;
  std::unique_ptr<MainController> main;

  Lumivox() {
    MainServices services;
    services.prompter = &prompter;
    services.keys = &keys;
    services.ticker = &front;
    services.windows = &front;
    services.anotherInstanceRunning = [] { return false; };
    services.endProgram = [] {};
    services.programHasKeyboardFocus = [this] { return programFocused; };
    main = std::make_unique<MainController>(front, services);
    main->start();
  }
  void tick(TimerId timer) { main->onTimer(timer); }
  void press() {
    keys.press(vk::Space);
    tick(TimerId::TimeChr);
  }
  // Poll and line count until both are settled.
  void settle() {
    for (int i = 0; i < 3; ++i) tick(TimerId::TimeChr), tick(TimerId::Timer2);
  }
};

}  // namespace

TEST(MainController, TimersStartAsDesignedAndTimer1NeverTicks) {
  Lumivox l;
  EXPECT_EQ(l.front.running, (std::map<TimerId, int>{{TimerId::TimeChr, 20}, {TimerId::Timer2, 1},
                                                     {TimerId::Timer3, 30000}, {TimerId::UserNumberTi, 5}}));
  EXPECT_TRUE(l.main->timerOn(TimerId::Timer1));
  // An interval of 0 stops the ticks but keeps the switch.
  l.main->setTimerInterval(TimerId::Timer3, 0);
  EXPECT_FALSE(l.front.running.count(TimerId::Timer3));
  EXPECT_TRUE(l.main->timerOn(TimerId::Timer3));
  l.main->setTimerInterval(TimerId::Timer3, 2000);
  EXPECT_EQ(l.front.running.at(TimerId::Timer3), 2000);
}

TEST(MainController, CounterPageShowsItsTextThenTheTimerStops) {
  Lumivox l;
  std::string nested = "<html><body>";
  for (int i = 0; i < 3000; ++i) nested += "<table><tr><td>";
  nested += "4096";
  for (int i = 0; i < 3000; ++i) nested += "</td></tr></table>";
  std::ofstream(l.dir.dataDir() / "GoUserNumberFiles.ED63rd", std::ios::binary) << nested << "</body></html>";
  l.tick(TimerId::UserNumberTi);
  EXPECT_EQ(l.front.texts["状态提示"], "正在获取您的相关信息...");
  EXPECT_EQ(l.front.texts["UserNumberBrowser"], "4096");
  l.tick(TimerId::UserNumberTi);
  EXPECT_EQ(l.front.texts["状态提示"], "获取完毕...待命中...");
  EXPECT_FALSE(l.main->timerOn(TimerId::UserNumberTi));
}

// Keys answering the program's own boxes are not the game's.
TEST(MainController, PressesWhileTheProgramHasTheFocusAreNotCounted) {
  Lumivox l;
  l.settle();
  l.programFocused = true;
  l.press();
  l.keys.press(vk::Space);  // the key that closed the box, made before the focus left
  l.programFocused = false;
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.main->state().mainLineNumber, 1);  // only the second: the first was the box's
  l.press();
  EXPECT_EQ(l.main->state().mainLineNumber, 2);
}

// Debug mode's pause outlasts a showing of the show window.
TEST(MainController, ClosingTheShowWindowRestoresTheTimersAsTheyWere) {
  Lumivox l;
  l.settle();
  l.press();
  l.main->onCommand(CommandId::DebugMode);
  l.main->onCommand(CommandId::ShowWindow);
  ASSERT_TRUE(l.front.showHost);
  l.front.showHost->pauseForShowWindow();
  EXPECT_FALSE(l.main->timerOn(TimerId::Timer1));
  l.front.showHost->resumeAfterShowWindow();
  for (TimerId timer : {TimerId::TimeChr, TimerId::Timer2, TimerId::Timer3}) EXPECT_FALSE(l.main->timerOn(timer));
  EXPECT_TRUE(l.main->timerOn(TimerId::Timer1));
  EXPECT_TRUE(l.main->commandEnabled(CommandId::LeaveDebugMode));
}

// At main line 40 of 48 a door's count of 24 must not fill the bar while
// the percentage still says 83.
TEST(MainController, ANewMaximumBelowTheValueWaitsForTheNextAdvance) {
  Lumivox l;
  l.settle();
  l.main->state().mainLineNumber = 40;
  l.press();
  const float maximum = l.front.barMaximum;
  ASSERT_GT(maximum, 40);
  const std::string percent = l.front.texts["BFB"];
  l.main->onCommand(CommandId::EnterDoor);
  l.tick(TimerId::Timer2);
  EXPECT_FALSE(l.main->timerOn(TimerId::Timer2));  // read once, no spinning
  EXPECT_EQ(l.front.barValue, 40);
  EXPECT_EQ(l.front.barMaximum, maximum);
  EXPECT_EQ(l.front.texts["BFB"], percent);
  l.press();  // the door's line 0
  EXPECT_EQ(l.front.barValue, 0);
  EXPECT_LT(l.front.barMaximum, 40);
  EXPECT_EQ(l.front.texts["BFB"], "0");
}

TEST(MainController, AboutOpensOnceAndDisabledCommandsDoNothing) {
  Lumivox l;
  l.main->onCommand(CommandId::About);
  l.main->onCommand(CommandId::About);
  l.main->onAboutClosed();
  l.main->onCommand(CommandId::About);
  l.main->onCommand(CommandId::SaveMain);  // usable only after an advance
  EXPECT_EQ(l.front.opened, (std::vector<std::string>{"About", "About raised", "About"}));
  EXPECT_TRUE(l.prompter.boxes.empty());
}

TEST(MainController, FocusOfTheWindowItselfPausesAndResumesPolling) {
  Lumivox l;
  l.main->onFocus(false);
  EXPECT_EQ(l.front.texts["状态提示"], "程序失去焦点，停止判断按键。");
  l.keys.press(vk::Space);  // made while paused
  l.main->onFocus(true);
  EXPECT_EQ(l.front.texts["状态提示"], "程序获得焦点，重新开始判断按键。");
  l.tick(TimerId::TimeChr);
  EXPECT_EQ(l.main->state().mainLineNumber, 0);
  EXPECT_TRUE(l.main->timerOn(TimerId::Timer2));
}
