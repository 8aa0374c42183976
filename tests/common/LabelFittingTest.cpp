#include "common/LabelFitting.h"

#include <gtest/gtest.h>

#include <map>

namespace lumivox {
namespace {

using K = ControlKind;

// Ten pixels a character, sixteen a line; frames keep their contents
// 14 pixels below their top edge and 3 from the others.
int characters(std::string_view text) {
  int count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

class FakeMeasure final : public TextMeasure {
 public:
  int textWidth(const ControlRow& label) const override { return 10 * characters(label.caption); }
  int textHeight(const ControlRow& label, int width) const override {
    const int perLine = std::max(1, width / 10);
    return 16 * ((characters(label.caption) + perLine - 1) / perLine);
  }
  Margins frameMargins(const ControlRow&) const override { return {3, 14, 3, 3}; }
};

// Rows in pixels (15 twips each at 96 dots per inch).
ControlRow row(K kind, const char* name, const char* parent, std::string caption, int left, int top, int width,
               int height, bool wrap = false) {
  return {.kind = kind, .name = name, .parent = parent, .caption = std::move(caption), .left = left * 15,
          .top = top * 15, .width = width * 15, .height = height * 15, .wrap = wrap};
}

std::map<std::string, Place> fit(const ControlTable& table, FittedForm* fitted = nullptr) {
  const FittedForm form = fitLabels(table, FakeMeasure());
  if (fitted) *fitted = form;
  std::map<std::string, Place> places;
  for (std::size_t i = 0; i < table.controls.size(); ++i) places[table.controls[i].name] = form.places[i];
  return places;
}

TEST(LabelFittingTest, OneLineCaptionsGrowToTheirTextAndNeighboursGiveWay) {
  // The main window's last row: caption, counter page, caption, the second
  // one flush with the window's right edge.
  ControlTable table{"Test", "test", 240 * 15, 300 * 15, {}};
  table.controls = {
      row(K::Label, "Before", "", "恭喜！您是第", 0, 100, 40, 30),
      {.kind = K::Label, .name = "Page", .left = 50 * 15, .top = 100 * 15, .width = 120 * 15, .height = 30 * 15,
       .wrap = true, .scrolls = true},
      row(K::Label, "After", "", "位使用软件的人～", 180, 100, 60, 30),
      row(K::Label, "Short", "", "状态", 0, 140, 40, 20),
      row(K::Frame, "Frame1", "", "", 0, 170, 200, 60),
      row(K::Label, "Framed", "Frame1", "一二三四五六七八", 150, 20, 40, 17),
      row(K::Line, "Rule", "Frame1", "", 0, 20, 200, 0),
  };
  const auto places = fit(table);
  EXPECT_EQ(places.at("Before"), (Place{0, 100, 60, 30}));  // grown to the right
  EXPECT_EQ(places.at("After"), (Place{160, 100, 80, 30}));  // to the left from its designed right edge
  EXPECT_EQ(places.at("Page"), (Place{60, 100, 100, 30}));   // between them
  EXPECT_EQ(places.at("Short"), (Place{0, 140, 40, 20}));
  // Two pixels inside the frame's inner edge; a rule never gives way.
  EXPECT_EQ(places.at("Framed"), (Place{115, 20, 80, 17}));
  EXPECT_EQ(places.at("Rule"), (Place{0, 20, 200, 2}));
}

TEST(LabelFittingTest, FramedControlsStartBelowTheFramesCaption) {
  ControlTable table{"Test", "test", 240 * 15, 300 * 15, {}};
  table.controls = {row(K::Frame, "Frame1", "", "框", 0, 0, 200, 100), row(K::TextField, "High", "Frame1", "", 10, 8, 50, 20),
                    row(K::Label, "Low", "Frame1", "", 10, 16, 50, 20), row(K::Label, "Outside", "", "", 0, 4, 50, 20)};
  const auto places = fit(table);
  EXPECT_EQ(places.at("High"), (Place{10, 14, 50, 14}));
  EXPECT_EQ(places.at("Low"), (Place{10, 16, 50, 20}));
  EXPECT_EQ(places.at("Outside"), (Place{0, 4, 50, 20}));
}

// The settings windows' texts: each wrapped label grows where the ones above
// it left it, carrying along what lies below it in its frame and outside it.
TEST(LabelFittingTest, WrappedLabelsGrowTopDownAndPushDownWhatIsBelowThem) {
  ControlTable table{"Test", "test", 240 * 15, 200 * 15, {}};
  const std::string thirty(30, 'w'), twelve(12, 'w');
  table.controls = {
      row(K::Frame, "Frame1", "", "", 0, 0, 200, 100),
      row(K::Label, "Upper", "Frame1", thirty, 10, 20, 80, 16, true),  // 4 lines: 48 more
      row(K::TextField, "Beside", "Frame1", "", 100, 20, 40, 16),
      row(K::Label, "Lower", "Frame1", twelve, 10, 40, 80, 16, true),  // 2 lines: 16 more
      row(K::Label, "Fits", "Frame1", "ok", 10, 60, 80, 16, true),
      row(K::Button, "Under", "", "ok", 10, 110, 50, 25),
      {.kind = K::DialogueLine, .name = "Line", .caption = thirty, .left = 0, .top = 140 * 15, .width = 80 * 15,
       .height = 16 * 15, .wrap = true},
  };
  FittedForm fitted;
  const auto places = fit(table, &fitted);
  EXPECT_EQ(places.at("Upper"), (Place{10, 20, 80, 64}));
  EXPECT_EQ(places.at("Beside"), (Place{100, 20, 40, 16}));
  EXPECT_EQ(places.at("Lower"), (Place{10, 88, 80, 32}));
  EXPECT_EQ(places.at("Fits"), (Place{10, 124, 80, 16}));
  EXPECT_EQ(places.at("Frame1"), (Place{0, 0, 200, 164}));
  EXPECT_EQ(places.at("Under"), (Place{10, 174, 50, 25}));
  EXPECT_EQ(places.at("Line"), (Place{0, 204, 80, 16}));  // moved, never grown: its font shrinks
  EXPECT_EQ(fitted.clientHeight, 264);
  EXPECT_EQ(fitted.inClientArea(3), (Place{10, 88, 80, 32}));

  // Fitted once, they fit.
  for (std::size_t i = 0; i < table.controls.size(); ++i) {
    const Place& at = fitted.places[i];
    ControlRow& r = table.controls[i];
    r.left = at.left * 15, r.top = at.top * 15, r.width = at.width * 15, r.height = at.height * 15;
  }
  table.clientHeight = fitted.clientHeight * 15;
  EXPECT_EQ(fit(table), places);
}

TEST(LabelFittingTest, ADialogueLineShrinksByHalfPointsDownToTheSmallestSize) {
  const auto tenPixelsAPoint = [](double points) { return points * 10; };
  EXPECT_EQ(dialogueLinePoints(10.5, 200, tenPixelsAPoint), 10.5);
  EXPECT_EQ(dialogueLinePoints(10.5, 80, tenPixelsAPoint), 8.0);
  EXPECT_EQ(dialogueLinePoints(10.5, 79, tenPixelsAPoint), 7.5);
  EXPECT_EQ(dialogueLinePoints(10.5, 10, tenPixelsAPoint), 5.0);
}

TEST(LabelFittingTest, AddressesBreakAfterTheirMarksWhereTheLineRunsPastTheWidth) {
  EXPECT_EQ(addressPieces("E-Mail:a@b.example/x"), (std::vector<std::string>{"E-", "Mail:a@", "b.", "example/", "x"}));
  EXPECT_EQ(addressPieces("本对话库。"), std::vector<std::string>{"本对话库。"});
  EXPECT_EQ(addressPieces("a."), std::vector<std::string>{"a."});
  EXPECT_EQ(addressPieces(""), std::vector<std::string>{""});

  const auto width = [](std::string_view line) { return 10 * characters(line); };
  EXPECT_EQ(withAddressBreaks("对话库译者：\nE-Mail:\ntranslators@lumivox.example\n网址:\nhttps://lumivox.example/", 120, width),
            "对话库译者：\nE-Mail:\ntranslators@\nlumivox.\nexample\n网址:\nhttps://\nlumivox.\nexample/");
  // A piece wider than the label stays whole: the label cuts it, as it would anyway.
  EXPECT_EQ(withAddressBreaks("averyveryverylongname@x", 120, width), "averyveryverylongname@\nx");
  EXPECT_EQ(withAddressBreaks("a@b.c\n", 120, width), "a@b.c\n");
}

}  // namespace
}  // namespace lumivox
