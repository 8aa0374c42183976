#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "support/FakeIndexView.h"
#include "show/ShowFrmSteps.h"
#include "show/ShowView.h"

using namespace lumivox;

namespace {

using Log = std::vector<std::string>;

// The show window as plain fields; every call also goes to a log shared with
// the main window, so tests see the order of the steps across both.
class RecordingShowView final : public ShowView {
 public:
  explicit RecordingShowView(Log& log) : log_(log) {}

  std::string label = kShowFrmStatusText;
  std::int32_t value = 0, maximum = 100;
  bool timer1 = true, timer2 = true;
  std::vector<std::int16_t> opacities;
  bool unloaded = false;

  void setLabelText(const std::string& text) override { label = text, log_.push_back("Label1=" + text); }
  std::int32_t barValue() const override { return value; }
  void setBarValue(std::int32_t v) override {
    if (v <= maximum) value = v;  // the bar refuses a value above Max
  }
  void setBarMaximum(std::int32_t m) override { maximum = m, log_.push_back("Max=" + std::to_string(m)); }
  void setTimerEnabled(std::string_view name, bool on) override {
    (name == "Timer1" ? timer1 : timer2) = on;
    log_.push_back("show " + std::string(name) + (on ? " on" : " off"));
  }
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

// The main window: only its timers matter here.
class TimerLogIndexView final : public FakeIndexView {
 public:
  explicit TimerLogIndexView(Log& log) : log_(log) {}
  void setTimerEnabled(std::string_view name, bool on) override {
    FakeIndexView::setTimerEnabled(name, on);
    log_.push_back("main " + std::string(name) + (on ? " on" : " off"));
  }

 private:
  Log& log_;
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
  Log log;
  RecordingShowView view(log);
  ShowFrmMembers members;
  std::set<float> targets;
  for (int i = 0; i < 20000; ++i) {
    const float r = clockSeededRandom();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    loadShowFrm(members, view, r);
    ASSERT_GE(members.stepTarget, 70.0f);
    ASSERT_LE(members.stepTarget, 199.0f);
    ASSERT_EQ(members.stepTarget, std::floor(members.stepTarget));
    ASSERT_EQ(view.maximum, static_cast<std::int32_t>(members.stepTarget) + 1);
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
  Log log;
  RecordingShowView view(log);
  TimerLogIndexView main(log);
  ShowFrmMembers members;
  openShowFrm(
      [&]() -> ShowView& {
        loadShowFrm(members, view, 0.5f);
        return view;
      },
      main);
  const Log expected = {"Max=136",        "show Timer1 off", "Label1=Lumivox", "main Time_Chr off",
                        "main Timer1 off", "main Timer2 off", "main Timer3 off", "shown"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(view.value, 0);  // the bar is left alone: an empty frame
  EXPECT_TRUE(view.timer2);  // the fade goes on
}

TEST(ShowFrmFade, FirstShowingFadesInFullyAndLaterOnesStayOpaque) {
  Log log;
  ShowFrmMembers members;
  RecordingShowView first(log);
  int ticks = 0;
  while (first.timer2 && ticks < 1000) fadeTick(members, first), ++ticks;
  EXPECT_EQ(ticks, 51);
  ASSERT_EQ(first.opacities.size(), 51u);
  for (std::size_t i = 0; i < 51; ++i) EXPECT_EQ(first.opacities[i], static_cast<std::int16_t>(5 * (i + 1)));
  EXPECT_EQ(members.fadeLevel, 255);

  RecordingShowView second(log);  // a new window of the same instance
  fadeTick(members, second);
  EXPECT_EQ(second.opacities, std::vector<std::int16_t>{260});  // refused: the window stays opaque
  EXPECT_FALSE(second.timer2);
  EXPECT_EQ(members.fadeLevel, 260);
}

TEST(ShowFrmFade, AShowingClosedPartWayIsContinuedNextTime) {
  Log log;
  ShowFrmMembers members;
  RecordingShowView first(log);
  for (int i = 0; i < 20; ++i) fadeTick(members, first);
  closeShowFrm(first);
  EXPECT_EQ(members.fadeLevel, 100);

  RecordingShowView second(log);
  fadeTick(members, second);
  EXPECT_EQ(second.opacities, std::vector<std::int16_t>{105});
  EXPECT_TRUE(second.timer2);
}

TEST(ShowFrmFade, StopsAtTheTopOfItsRangeInsteadOfOverflowing) {
  Log log;
  ShowFrmMembers members;
  members.fadeLevel = 32762;  // after some 6,550 openings in one run
  RecordingShowView view(log);
  fadeTick(members, view);
  EXPECT_EQ(members.fadeLevel, 32767);
  EXPECT_FALSE(view.timer2);

  RecordingShowView next(log);
  fadeTick(members, next);
  EXPECT_EQ(members.fadeLevel, 32767);
  EXPECT_TRUE(next.opacities.empty());  // nothing to change: the window is opaque
  EXPECT_FALSE(next.timer2);
}

TEST(ShowFrmProgress, ClosesTheWindowWhenValueReachesStepTargetLessFive) {
  for (float r : {0.0f, 0.5f, kLargestBelowOne}) {
    Log log;
    ShowFrmMembers members;
    RecordingShowView view(log);
    loadShowFrm(members, view, r);
    const auto closeAt = static_cast<std::int32_t>(members.stepTarget) - 5;
    while (!view.unloaded && view.value < 1000) progressTick(members, view);
    EXPECT_EQ(view.value, closeAt) << r;
    EXPECT_EQ(view.maximum - view.value, 6) << r;  // six steps short of Max
    const Log closing(log.end() - 4, log.end());
    EXPECT_EQ(closing, (Log{"show Timer1 off", "show Timer2 off", "unloaded", "main to front"})) << r;
  }
}

TEST(ShowFrmProgress, AValueAtTheTopOfTheRangeEndsTheShowingInsteadOfWrapping) {
  Log log;
  ShowFrmMembers members;
  members.stepTarget = 1e10f;
  RecordingShowView view(log);
  view.maximum = view.value = std::numeric_limits<std::int32_t>::max();
  progressTick(members, view);
  EXPECT_EQ(view.value, std::numeric_limits<std::int32_t>::max());
  EXPECT_TRUE(view.unloaded);
}

TEST(ShowFrmClose, ClickStopsBothTimersUnloadsAndBringsTheMainWindowForward) {
  Log log;
  RecordingShowView view(log);
  closeShowFrm(view);
  EXPECT_EQ(log, (Log{"show Timer1 off", "show Timer2 off", "unloaded", "main to front"}));
}

TEST(ShowFrmClose, QueryUnloadSwitchesTheFourMainTimersOnInOrder) {
  Log log;
  TimerLogIndexView main(log);
  queryUnloadShowFrm(main);
  EXPECT_EQ(log, (Log{"main Time_Chr on", "main Timer1 on", "main Timer2 on", "main Timer3 on"}));
}
