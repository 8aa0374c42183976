#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "app/ShowController.h"
#include "app/ShowView.h"

using namespace lumivox;

namespace {

using Log = std::vector<std::string>;

// The show window, its clock and the main window as plain fields; every call
// also goes to one log, so tests see the order of the steps across them.
class RecordingShowView final : public ShowView {
 public:
  explicit RecordingShowView(Log& log) : log_(log) {}

  std::string label = kShowFrmStatusText;
  std::int32_t value = 0, maximum = 100;
  std::vector<std::int16_t> opacities;
  bool unloaded = false;

  void setControlText(std::string_view control, const std::string& text) override {
    label = text, log_.push_back(std::string(control) + "=" + text);
  }
  std::int32_t barValue() const override { return value; }
  void setBarValue(std::int32_t v) override {
    if (v <= maximum) value = v;  // the bar refuses a value above Max
  }
  void setBarMaximum(std::int32_t m) override { maximum = m, log_.push_back("Max=" + std::to_string(m)); }
  int setOpacity(std::int16_t level) override {
    opacities.push_back(level);
    return level <= 255 ? 0 : 1;
  }
  void showModal() override { log_.push_back("shown"); }
  void unload() override { unloaded = true, log_.push_back("unloaded"); }
  void showMainWindow() override { log_.push_back("main to front"); }

 private:
  Log& log_;
};

class RecordingTicker final : public Ticker {
 public:
  explicit RecordingTicker(Log& log) : log_(log) {}
  void start(TimerId timer, int) override { log_.push_back("show " + name(timer) + " on"); }
  void stop(TimerId timer) override { log_.push_back("show " + name(timer) + " off"); }
  static std::string name(TimerId timer) { return timer == TimerId::ShowProgress ? "Timer1" : "Timer2"; }

 private:
  Log& log_;
};

class RecordingHost final : public ShowHost {
 public:
  explicit RecordingHost(Log& log) : log_(log) {}
  void pauseForShowWindow() override { log_.push_back("main paused"); }
  void resumeAfterShowWindow() override { log_.push_back("main resumed"); }

 private:
  Log& log_;
};

// One showing of the window, loaded with r.
struct Showing {
  Showing(ShowFrmMembers& members, float r = 0.5f) : view(log), ticker(log), host(log), show(members, view, ticker, host) {
    show.load(r);
  }
  bool fading() const { return show.timerOn(TimerId::ShowFade); }
  void fadeTick() { show.onTimer(TimerId::ShowFade); }

  Log log;
  RecordingShowView view;
  RecordingTicker ticker;
  RecordingHost host;
  ShowController show;
};

constexpr float kLargestBelowOne = 0.99999994f;  // 1 - 2^-24

}  // namespace

TEST(StepTarget, IsTheWholePartOfRTimes130Plus70) {
  EXPECT_EQ(stepTargetFor(0.0f), 70.0f);
  EXPECT_EQ(stepTargetFor(0.5f), 135.0f);
  EXPECT_EQ(stepTargetFor(kLargestBelowOne), 199.0f);  // never rounds up to 200
  EXPECT_EQ(stepTargetFor(1.0f / 130.0f), 71.0f);
  EXPECT_EQ(stepTargetFor(std::nextafter(1.0f / 130.0f, 0.0f)), 70.0f);
}

TEST(StepTarget, StaysIn70To199AndMaxIn71To200OverManyDraws) {
  ShowFrmMembers members;
  Showing showing(members);
  std::set<float> targets;
  for (int i = 0; i < 20000; ++i) {
    const float r = clockSeededRandom();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    showing.show.load(r);
    ASSERT_GE(members.stepTarget, 70.0f);
    ASSERT_LE(members.stepTarget, 199.0f);
    ASSERT_EQ(members.stepTarget, std::floor(members.stepTarget));
    ASSERT_EQ(showing.view.maximum, static_cast<std::int32_t>(members.stepTarget) + 1);
    targets.insert(members.stepTarget);
  }
  // Each load draws afresh: over this many draws nearly every target turns up.
  EXPECT_GT(targets.size(), 100u);

  // Evenly spread r from 0 to just below 1 covers the range end to end.
  std::set<float> all;
  for (int i = 0; i < (1 << 20); ++i) all.insert(stepTargetFor(static_cast<float>(i) / (1 << 20)));
  all.insert(stepTargetFor(kLargestBelowOne));
  EXPECT_EQ(all.size(), 130u);
  EXPECT_EQ(*all.begin(), 70.0f);
  EXPECT_EQ(*all.rbegin(), 199.0f);
}

TEST(ShowFrmOpening, LoadsFirstThenLabelThenMainTimersOffThenShows) {
  ShowFrmMembers members;
  Showing showing(members);
  showing.show.open();
  const Log expected = {"show Timer1 on", "show Timer2 on", "Max=136", "show Timer1 off", "Label1=Lumivox",
                        "main paused", "shown"};
  EXPECT_EQ(showing.log, expected);
  EXPECT_EQ(showing.view.value, 0);  // the bar is left alone: an empty frame
  EXPECT_TRUE(showing.fading());
}

TEST(ShowFrmFade, FirstShowingFadesInFullyAndLaterOnesStayOpaque) {
  ShowFrmMembers members;
  Showing first(members);
  int ticks = 0;
  while (first.fading() && ticks < 1000) first.fadeTick(), ++ticks;
  EXPECT_EQ(ticks, 51);
  ASSERT_EQ(first.view.opacities.size(), 51u);
  for (std::size_t i = 0; i < 51; ++i) EXPECT_EQ(first.view.opacities[i], static_cast<std::int16_t>(5 * (i + 1)));
  EXPECT_EQ(members.fadeLevel, 255);

  Showing second(members);  // a new window of the same instance
  second.fadeTick();
  EXPECT_EQ(second.view.opacities, std::vector<std::int16_t>{260});  // refused: the window stays opaque
  EXPECT_FALSE(second.fading());
  EXPECT_EQ(members.fadeLevel, 260);
}

TEST(ShowFrmFade, AShowingClosedPartWayIsContinuedNextTime) {
  ShowFrmMembers members;
  Showing first(members);
  for (int i = 0; i < 20; ++i) first.fadeTick();
  first.show.onClick();
  EXPECT_EQ(members.fadeLevel, 100);

  Showing second(members);
  second.fadeTick();
  EXPECT_EQ(second.view.opacities, std::vector<std::int16_t>{105});
  EXPECT_TRUE(second.fading());
}

TEST(ShowFrmFade, StopsAtTheTopOfItsRangeInsteadOfOverflowing) {
  ShowFrmMembers members;
  members.fadeLevel = 32762;  // after some 6,550 openings in one run
  Showing showing(members);
  showing.fadeTick();
  EXPECT_EQ(members.fadeLevel, 32767);
  EXPECT_FALSE(showing.fading());

  Showing next(members);
  next.fadeTick();
  EXPECT_EQ(members.fadeLevel, 32767);
  EXPECT_TRUE(next.view.opacities.empty());  // nothing to change: the window is opaque
  EXPECT_FALSE(next.fading());
}

TEST(ShowFrmProgress, ClosesTheWindowWhenValueReachesStepTargetLessFive) {
  for (float r : {0.0f, 0.5f, kLargestBelowOne}) {
    ShowFrmMembers members;
    Showing showing(members, r);
    const auto closeAt = static_cast<std::int32_t>(members.stepTarget) - 5;
    while (!showing.view.unloaded && showing.view.value < 1000) showing.show.onTimer(TimerId::ShowProgress);
    EXPECT_EQ(showing.view.value, closeAt) << r;
    EXPECT_EQ(showing.view.maximum - showing.view.value, 6) << r;  // six steps short of Max
    const Log closing(showing.log.end() - 4, showing.log.end());
    EXPECT_EQ(closing, (Log{"show Timer1 off", "show Timer2 off", "unloaded", "main to front"})) << r;
  }
}

TEST(ShowFrmProgress, AValueAtTheTopOfTheRangeEndsTheShowingInsteadOfWrapping) {
  ShowFrmMembers members;
  Showing showing(members);
  members.stepTarget = 1e10f;
  showing.view.maximum = showing.view.value = std::numeric_limits<std::int32_t>::max();
  showing.show.onTimer(TimerId::ShowProgress);
  EXPECT_EQ(showing.view.value, std::numeric_limits<std::int32_t>::max());
  EXPECT_TRUE(showing.view.unloaded);
}

TEST(ShowFrmClose, ClickStopsBothTimersUnloadsAndBringsTheMainWindowForward) {
  ShowFrmMembers members;
  Showing showing(members);
  showing.log.clear();
  showing.show.onClick();
  EXPECT_EQ(showing.log, (Log{"show Timer1 off", "show Timer2 off", "unloaded", "main to front"}));
}

TEST(ShowFrmClose, TheUnloadResumesTheMainWindowOnce) {
  ShowFrmMembers members;
  Showing showing(members);
  showing.show.open();
  showing.log.clear();
  showing.show.onUnload();
  showing.show.onUnload();  // closed by a click and by the system at once
  EXPECT_EQ(showing.log, (Log{"show Timer1 off", "show Timer2 off", "main resumed"}));
}
