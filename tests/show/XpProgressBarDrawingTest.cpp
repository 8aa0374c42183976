#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "support/ScriptedPrompter.h"
#include "show/XpProgressBar.h"

using lumivox::PixelRect;
using lumivox::XpProgressBar;

namespace {

// The show window's bar: 321 x 17, so blocks are 11 pixels high.
class XpProgressBarDrawing : public ::testing::Test {
 protected:
  RecordingCanvas canvas{321, 17};
  ScriptedPrompter prompter;
  XpProgressBar bar{canvas, prompter};

  void start(int style, int look) {
    bar.setStyle(style);
    bar.setProgressLook(look);
    bar.resized();
    canvas.take();
  }
  std::vector<DrawOp> assign(int value) {
    bar.setValue(value);
    return canvas.take();
  }
};

const std::vector<DrawOp> kEmptyFrame321x17{
    clearOp(),
    copyOp("img", {0, 0, 3, 3}, {0, 0, 3, 3}),
    copyOp("img", {56, 0, 3, 3}, {318, 0, 3, 3}),
    copyOp("img", {56, 10, 3, 3}, {318, 14, 3, 3}),
    copyOp("img", {0, 10, 3, 3}, {0, 14, 3, 3}),
    copyOp("img", {3, 0, 12, 3}, {3, 0, 315, 3}),
    copyOp("img", {56, 3, 3, 3}, {318, 3, 3, 11}),
    copyOp("img", {3, 10, 1, 3}, {3, 14, 315, 3}),
    copyOp("img", {0, 3, 3, 3}, {0, 3, 3, 11}),
    copyOp("img", {4, 4, 51, 7}, {3, 3, 315, 11}),
};

DrawOp block(int x, int width = 8) { return copyOp("master.2", {0, 0, 8, 10}, {x, 3, width, 11}); }

TEST_F(XpProgressBarDrawing, ResizeDrawsTheFrameFromNinePieces) {
  bar.resized();
  EXPECT_EQ(canvas.take(), kEmptyFrame321x17);
}

TEST_F(XpProgressBarDrawing, BlocksGrowOneAtATimeAndTheLastIsSqueezedToTheBorder) {
  start(0, 0);
  EXPECT_TRUE(assign(1).empty()) << "3.21 does not reach 4";
  EXPECT_EQ(assign(2), std::vector<DrawOp>{block(4)});
  for (int value = 3; value <= 98; ++value) {
    const auto ops = assign(value);
    std::vector<DrawOp> expected;
    // A block is due once the extent (value x 3.21 pixels) passes its left edge.
    for (int x = 4; x < 314; x += 10)
      if (321 * (value - 1) <= 100 * x && 100 * x < 321 * value) expected.push_back(block(x));
    if (value == 98) expected.push_back(block(314, 4));
    ASSERT_EQ(ops, expected) << "value " << value;
  }
  EXPECT_EQ(assign(99), std::vector<DrawOp>{block(314, 4)})
      << "a full bar only draws its clipped block again";
  EXPECT_EQ(assign(100), std::vector<DrawOp>{block(314, 4)});
}

TEST_F(XpProgressBarDrawing, SameValueDrawsNothingAndALowerOneRebuildsFromTheLeft) {
  start(0, 0);
  EXPECT_EQ(assign(50).size(), 16u);  // up to x = 154: 50 x 3.21 = 160.5
  EXPECT_TRUE(assign(50).empty());

  auto expected = kEmptyFrame321x17;
  for (int x = 4; x <= 64; x += 10) expected.push_back(block(x));  // 20 x 3.21 = 64.2
  EXPECT_EQ(assign(20), expected);
  EXPECT_EQ(assign(21), std::vector<DrawOp>{}) << "67.41 does not reach 74";
  EXPECT_EQ(assign(24), std::vector<DrawOp>{block(74)});
}

TEST_F(XpProgressBarDrawing, ValueAtMinimumRedrawsTheEmptyFrame) {
  start(0, 0);
  assign(30);
  EXPECT_EQ(assign(0), kEmptyFrame321x17);
}

TEST_F(XpProgressBarDrawing, OnAScaleOtherThanAHundredTheGateSwallowsTheFirstStep) {
  bar.setMaximum(200);
  start(0, 0);
  EXPECT_EQ(assign(0), kEmptyFrame321x17);
  EXPECT_TRUE(assign(1).empty());
  EXPECT_TRUE(assign(2).empty());
  EXPECT_TRUE(assign(3).empty()) << "with the step of 1 lost, 2 units x 1.605 stay below 4";
  EXPECT_EQ(assign(4), std::vector<DrawOp>{block(4)});
}

TEST_F(XpProgressBarDrawing, EqualBoundsLeaveTheFrameWithoutBlocks) {
  bar.setMaximum(5);
  bar.setMinimum(5);
  start(0, 0);
  EXPECT_EQ(assign(5), kEmptyFrame321x17);
  EXPECT_EQ(assign(5), kEmptyFrame321x17);
}

DrawOp segment(const char* picture, int x, int width = 4) {
  return copyOp(picture, {0, 0, 8, 10}, {x, 3, width, 11});
}

TEST_F(XpProgressBarDrawing, MarqueeMovesFivePixelsAndWrapsToTwo) {
  start(1, 2);
  EXPECT_EQ(assign(1), (std::vector<DrawOp>{segment("bluemet.2", 14), segment("bluemet.1", 9),
                                            segment("bluemet.0", 4)}));
  EXPECT_EQ(assign(2), (std::vector<DrawOp>{segment("blank", 4), segment("bluemet.2", 19),
                                            segment("bluemet.1", 14), segment("bluemet.0", 9)}));
  for (int value = 3; value <= 61; ++value) assign(value);  // rear segment now at 304
  EXPECT_EQ(assign(62), (std::vector<DrawOp>{segment("blank", 304), segment("bluemet.1", 314),
                                             segment("bluemet.0", 309)}));
  EXPECT_EQ(assign(63), (std::vector<DrawOp>{segment("blank", 309), segment("bluemet.0", 314)}));
  EXPECT_EQ(assign(64), (std::vector<DrawOp>{segment("blank", 314)})) << "319: nothing left to clear";
  EXPECT_EQ(assign(65), (std::vector<DrawOp>{segment("bluemet.2", 12), segment("bluemet.1", 7),
                                             segment("bluemet.0", 2)}));
  EXPECT_EQ(assign(66), (std::vector<DrawOp>{segment("blank", 2), segment("bluemet.2", 17),
                                             segment("bluemet.1", 12), segment("bluemet.0", 7)}));
}

TEST_F(XpProgressBarDrawing, MarqueeFromTheWrapClearsTheSliverBeforeTheBorder) {
  bar.setMaximum(1000);
  start(1, 2);
  for (int value = 1; value <= 64; ++value) assign(value);  // wrapped: next chunk at x = 2
  for (int value = 65; value <= 126; ++value) assign(value);
  EXPECT_EQ(assign(127), (std::vector<DrawOp>{segment("blank", 307), segment("bluemet.0", 312)}));
  EXPECT_EQ(assign(128), (std::vector<DrawOp>{segment("blank", 312), segment("blank", 317, 1)}));
  EXPECT_EQ(assign(129).back(), segment("bluemet.0", 2));
}

TEST_F(XpProgressBarDrawing, MarqueeAtMaximumLeavesTheEmptyFrameAndStartsOverAtFour) {
  start(1, 2);
  assign(10);
  assign(20);
  EXPECT_EQ(assign(100), kEmptyFrame321x17);
  EXPECT_EQ(assign(30).back(), segment("bluemet.0", 4));
}

TEST_F(XpProgressBarDrawing, AnyNonZeroStyleIsTheMarquee) {
  RecordingCanvas otherCanvas{321, 17};
  XpProgressBar other{otherCanvas, prompter};
  other.setStyle(1);
  other.setProgressLook(2);
  other.resized();
  start(2, 2);
  otherCanvas.take();
  for (int value : {1, 2, 3, 100, 4}) {
    other.setValue(value);
    EXPECT_EQ(assign(value), otherCanvas.take()) << "value " << value;
  }
}

TEST_F(XpProgressBarDrawing, StyleLookAndBoundsAssignmentsDrawNothing) {
  start(0, 0);
  bar.setStyle(1);
  bar.setProgressLook(4);
  bar.setMaximum(300);
  bar.setMinimum(10);
  EXPECT_TRUE(canvas.ops.empty());
}

}  // namespace
