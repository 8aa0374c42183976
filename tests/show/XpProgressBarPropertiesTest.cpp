#include <gtest/gtest.h>

#include <functional>

#include "RecordingCanvas.h"
#include "support/ScriptedPrompter.h"
#include "show/XpProgressBar.h"

using lumivox::MapPropertyBag;
using lumivox::Prompter;
using lumivox::XpProgressBar;

namespace {

class XpProgressBarProperties : public ::testing::Test {
 protected:
  RecordingCanvas canvas{321, 17};
  ScriptedPrompter prompter;
  XpProgressBar bar{canvas, prompter};
  std::vector<std::string> changed;

  void SetUp() override {
    bar.propertyChanged = [this](const std::string& name) { changed.push_back(name); };
  }
  struct State {
    int value, style, look, min, max;
    bool operator==(const State&) const = default;
  };
  State state() const {
    return {bar.value(), bar.style(), bar.progressLook(), bar.minimum(), bar.maximum()};
  }
};

struct Rejection {
  const char* what;
  std::function<void(XpProgressBar&)> assign;
  const char* message;
};

TEST_F(XpProgressBarProperties, RejectedAssignmentsShowTheirBoxAndChangeNothing) {
  const std::vector<Rejection> rejections{
      {"Value above Max", [](XpProgressBar& b) { b.setValue(101); }, "进度条发生了错误。（设置值大于最大值）"},
      {"Value below Min", [](XpProgressBar& b) { b.setValue(9); }, "进度条发生了错误。（设置值小于最小值）"},
      {"Min above Max", [](XpProgressBar& b) { b.setMinimum(101); }, "进度条发生了错误。（设置值大于最大值）"},
      {"Min below 0", [](XpProgressBar& b) { b.setMinimum(-1); }, "进度条发生了错误。（最小值小于0）"},
      {"Max below Min", [](XpProgressBar& b) { b.setMaximum(9); }, "进度条发生了错误。（设置值小于最小值）"},
  };
  bar.setProgressLook(0);
  bar.setMinimum(10);
  bar.resized();
  bar.setValue(40);
  canvas.take();
  changed.clear();
  const State before = state();
  for (const Rejection& rejection : rejections) {
    prompter.boxes.clear();
    rejection.assign(bar);
    ASSERT_EQ(prompter.boxes.size(), 1u) << rejection.what;
    EXPECT_EQ(prompter.boxes[0].kind, ScriptedPrompter::Box::Kind::Inform);
    EXPECT_EQ(prompter.boxes[0].text, rejection.message) << rejection.what;
    EXPECT_EQ(prompter.boxes[0].title, "错误");
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Icon::Critical);
    EXPECT_EQ(state(), before) << rejection.what;
    EXPECT_TRUE(canvas.ops.empty()) << rejection.what;
    EXPECT_TRUE(changed.empty()) << rejection.what;
  }
}

TEST_F(XpProgressBarProperties, ChecksRunInOrderWhenStoredBoundsAreCrossed) {
  // Only stored properties can cross; assignments never let them.
  bar.readProperties(MapPropertyBag({{"Min", 10}, {"Max", 5}}));
  bar.setValue(7);
  bar.readProperties(MapPropertyBag({{"Min", -10}, {"Max", -5}}));
  bar.setMinimum(-1);
  ASSERT_EQ(prompter.boxes.size(), 2u);
  EXPECT_EQ(prompter.boxes[0].text, "进度条发生了错误。（设置值大于最大值）");
  EXPECT_EQ(prompter.boxes[1].text, "进度条发生了错误。（设置值大于最大值）");
}

TEST_F(XpProgressBarProperties, BoundsDoNotRecheckTheValue) {
  bar.setValue(80);
  bar.setMaximum(50);
  EXPECT_TRUE(prompter.boxes.empty());
  EXPECT_EQ(bar.maximum(), 50);
  EXPECT_EQ(bar.value(), 80);
}

TEST_F(XpProgressBarProperties, EachAcceptedAssignmentIsReportedBeforeItDraws) {
  bar.resized();
  canvas.take();
  bar.propertyChanged = [this](const std::string& name) {
    changed.push_back(name);
    EXPECT_TRUE(canvas.ops.empty()) << name;
  };
  bar.setStyle(1);
  bar.setProgressLook(2);
  bar.setMaximum(200);
  bar.setMinimum(1);
  bar.setValue(3);
  EXPECT_EQ(changed, (std::vector<std::string>{"Style", "ProgressLook", "Max", "Min", "Value"}));
  EXPECT_FALSE(canvas.ops.empty());
}

TEST_F(XpProgressBarProperties, UnknownLookKeepsThePicturesInUse) {
  EXPECT_TRUE(bar.currentPictures()[2].pixels.empty()) << "no look before one is assigned";
  bar.setProgressLook(3);
  bar.setProgressLook(9);
  EXPECT_EQ(bar.progressLook(), 9);
  EXPECT_EQ(bar.currentPictures()[0].name, "goldmet.0");
  EXPECT_EQ(bar.currentPictures()[2].name, "goldmet.2");
  bar.setProgressLook(-1);
  EXPECT_EQ(bar.currentPictures()[1].name, "goldmet.1");
}

class OrderedBag final : public lumivox::PropertyBag {
 public:
  std::vector<std::string> written;
  std::int32_t read(const std::string&, std::int32_t defaultValue) const override { return defaultValue; }
  void write(const std::string& key, std::int32_t value, std::int32_t defaultValue) override {
    written.push_back(key + "=" + std::to_string(value) + "/" + std::to_string(defaultValue));
  }
};

TEST_F(XpProgressBarProperties, WritesTheFiveKeysInOrderWithTheirDefaults) {
  OrderedBag bag;
  bar.writeProperties(bag);
  EXPECT_EQ(bag.written, (std::vector<std::string>{"Min=0/0", "Max=100/100", "Value=0/0", "Style=0/0",
                                                   "ProgressLook=0/0"}));
}

TEST_F(XpProgressBarProperties, PropertiesSurviveARoundTripAndReadingAppliesTheLook) {
  bar.setMaximum(300);
  bar.setMinimum(20);
  bar.setValue(250);
  bar.setStyle(1);
  bar.setProgressLook(2);
  MapPropertyBag bag;
  bar.writeProperties(bag);

  RecordingCanvas otherCanvas{321, 17};
  XpProgressBar other{otherCanvas, prompter};
  std::vector<std::string> otherChanged;
  other.propertyChanged = [&](const std::string& name) { otherChanged.push_back(name); };
  other.readProperties(bag);
  EXPECT_EQ(other.value(), 250);
  EXPECT_EQ(other.style(), 1);
  EXPECT_EQ(other.progressLook(), 2);
  EXPECT_EQ(other.minimum(), 20);
  EXPECT_EQ(other.maximum(), 300);
  EXPECT_EQ(other.currentPictures()[2].name, "bluemet.2");
  EXPECT_EQ(otherChanged, std::vector<std::string>{"ProgressLook"});
  EXPECT_TRUE(otherCanvas.ops.empty());
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(XpProgressBarProperties, DefaultsNeedNotBeStoredAndStoredValuesAreNotChecked) {
  MapPropertyBag bag;
  bar.writeProperties(bag);
  EXPECT_TRUE(bag.values().empty());

  bar.readProperties(MapPropertyBag({{"Value", 500}, {"Min", -3}}));
  EXPECT_EQ(bar.value(), 500);
  EXPECT_EQ(bar.minimum(), -3);
  EXPECT_EQ(bar.maximum(), 100);
  EXPECT_EQ(bar.currentPictures()[2].name, "master.2");
  EXPECT_TRUE(prompter.boxes.empty());
}

}  // namespace
