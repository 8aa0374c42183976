#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ControlTable.h"

namespace lumivox {

// The platform's fonts are not the design's: captions run wider, lines run
// taller. These fit the labels of a control table to the fonts a front end
// measures, in pixels, so that both front ends place them alike.

// A control's place in pixels, relative to its container as in its table.
struct Place {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Place&) const = default;
};

// How far a frame keeps its contents from its edges (its caption included).
struct Margins {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// What a front end measures of the controls it made from a table, each in the
// font it is drawn in and with its current text.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The width the label's text takes on one line.
  virtual int textWidth(const ControlRow& label) const = 0;
  // The height the label's text takes, broken into lines of this width.
  virtual int textHeight(const ControlRow& label, int width) const = 0;
  virtual Margins frameMargins(const ControlRow& frame) const = 0;
};

// The table's places after fitting, one for each control in table order.
struct FittedForm {
  std::vector<Place> places;
  int clientWidth = 0, clientHeight = 0;
  std::vector<int> containers;  // each control's container's index; -1: the window

  // A control's place relative to the window's client area.
  Place inClientArea(std::size_t control) const;
};

// Places the table's controls at the screen's dots per inch and fits its
// labels, in this order:
// - a control in a frame starts below the frame's caption;
// - a one-line label grows to its text, to the right, or to the left where it
//   would pass its container's edge; a neighbour it now covers gives way;
// - from the top down, a wrapped label grows to its text, and what lies below
//   it moves down with it while its frames and the window grow.
// A scrolling label keeps its height (it scrolls); a dialogue line its size
// (its font shrinks, see dialogueLinePoints).
FittedForm fitLabels(const ControlTable& table, const TextMeasure& measure, int dotsPerInch = 96);

// The size a dialogue line is shown in: its own, or smaller by a step at a
// time until the text fits the height it has, down to the smallest size
// (kDialogueLineStepPoints, kDialogueLineSmallestPoints). heightAt measures
// the text at a size in points.
double dialogueLinePoints(double points, int roomHeight, const std::function<double(double points)>& heightAt);

// A line cut after each '@', '.', '-' and '/': the places where an address
// too long for a narrow label may go on to the next line.
std::vector<std::string> addressPieces(std::string_view line);

// The text with a line end after an address's mark wherever the rest of its
// line would pass the width; a label breaks lines at blanks only, and an
// address is one long word. lineWidth measures a line in the label's font.
std::string withAddressBreaks(std::string_view text, int width,
                              const std::function<int(std::string_view line)>& lineWidth);

}  // namespace lumivox
