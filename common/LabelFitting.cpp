#include "common/LabelFitting.h"

#include <algorithm>

#include "common/Twips.h"

namespace lumivox {
namespace {

// A grown caption keeps this far from its container's inner edge.
constexpr int kEdgeGap = 2;

bool overlap(const Place& a, const Place& b) {
  return std::max(a.left, b.left) < std::min(a.right(), b.right()) &&
         std::max(a.top, b.top) < std::min(a.bottom(), b.bottom());
}

class Fitting {
 public:
  Fitting(const ControlTable& table, const TextMeasure& measure, int dotsPerInch)
      : rows_(table.controls), measure_(measure) {
    form_.clientWidth = twipsToPixels(table.clientWidth, dotsPerInch);
    form_.clientHeight = twipsToPixels(table.clientHeight, dotsPerInch);
    for (const ControlRow& row : rows_) {
      // A rule is drawn two pixels high, whatever its height.
      const int height = row.kind == ControlKind::Line ? 2 : twipsToPixels(row.height, dotsPerInch);
      form_.places.push_back({twipsToPixels(row.left, dotsPerInch), twipsToPixels(row.top, dotsPerInch),
                              twipsToPixels(row.width, dotsPerInch), height});
      const ControlRow* container = table.find(row.parent);
      form_.containers.push_back(container ? static_cast<int>(container - rows_.data()) : -1);
    }
  }

  FittedForm run() {
    for (std::size_t i = 0; i < rows_.size(); ++i) keepBelowCaption(i);
    for (std::size_t i = 0; i < rows_.size(); ++i)
      if (rows_[i].kind == ControlKind::Label && !rows_[i].wrap) fitOneLine(i);
    // From the top down, so that each label is fitted where the ones above it left it.
    std::vector<std::size_t> wrapped;
    for (std::size_t i = 0; i < rows_.size(); ++i)
      if (rows_[i].kind == ControlKind::Label && rows_[i].wrap && !rows_[i].scrolls) wrapped.push_back(i);
    std::stable_sort(wrapped.begin(), wrapped.end(),
                     [this](std::size_t a, std::size_t b) { return form_.inClientArea(a).top < form_.inClientArea(b).top; });
    for (std::size_t i : wrapped) fitWrapped(i);
    return form_;
  }

 private:
  Place& place(std::size_t i) { return form_.places[i]; }
  int container(std::size_t i) const { return form_.containers[i]; }

  Margins marginsOf(int frame) const {
    if (frame < 0 || rows_[static_cast<std::size_t>(frame)].kind != ControlKind::Frame) return {};
    return measure_.frameMargins(rows_[static_cast<std::size_t>(frame)]);
  }

  void keepBelowCaption(std::size_t i) {
    const int top = marginsOf(container(i)).top;
    Place& at = place(i);
    if (at.top >= top) return;
    at.height = std::max(1, at.height - (top - at.top));
    at.top = top;
  }

  void fitOneLine(std::size_t i) {
    const int wanted = measure_.textWidth(rows_[i]);
    Place& at = place(i);
    if (wanted <= at.width) return;
    const int outer = container(i);
    const int edge =
        (outer < 0 ? form_.clientWidth : form_.places[static_cast<std::size_t>(outer)].width - marginsOf(outer).right) -
        kEdgeGap;
    const int designedRight = at.right();
    at.width = wanted;
    if (at.right() > edge) at.left = std::max(0, std::max(edge, designedRight) - wanted);
    giveWay(i);
  }

  // A neighbour that the grown label now covers yields the covered part: the
  // two would otherwise draw over each other's text.
  void giveWay(std::size_t grown) {
    const Place& label = place(grown);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      const ControlKind kind = rows_[i].kind;
      if (i == grown || container(i) != container(grown) || kind == ControlKind::Frame || kind == ControlKind::Line)
        continue;
      Place& other = place(i);
      if (!overlap(other, label)) continue;
      int left = other.left, right = other.right();
      if (other.left + other.right() > label.left + label.right())
        left = label.right();  // it lies to the right
      else
        right = label.left;
      if (right > left) {
        other.left = left;
        other.width = right - left;
      }
    }
  }

  void fitWrapped(std::size_t i) {
    const int extra = measure_.textHeight(rows_[i], place(i).width) - place(i).height;
    if (extra <= 0) return;
    int grown = static_cast<int>(i);
    for (;;) {
      Place& at = form_.places[static_cast<std::size_t>(grown)];
      const int bottom = at.bottom();
      at.height += extra;
      const int outer = container(static_cast<std::size_t>(grown));
      for (std::size_t other = 0; other < rows_.size(); ++other)
        if (static_cast<int>(other) != grown && container(other) == outer && place(other).top >= bottom)
          place(other).top += extra;
      if (outer < 0) break;
      grown = outer;
    }
    form_.clientHeight += extra;
  }

  const std::vector<ControlRow>& rows_;
  const TextMeasure& measure_;
  FittedForm form_;
};

}  // namespace

Place FittedForm::inClientArea(std::size_t control) const {
  Place at = places[control];
  for (int outer = containers[control]; outer >= 0; outer = containers[static_cast<std::size_t>(outer)]) {
    at.left += places[static_cast<std::size_t>(outer)].left;
    at.top += places[static_cast<std::size_t>(outer)].top;
  }
  return at;
}

FittedForm fitLabels(const ControlTable& table, const TextMeasure& measure, int dotsPerInch) {
  return Fitting(table, measure, dotsPerInch).run();
}

double dialogueLinePoints(double points, int roomHeight, const std::function<double(double points)>& heightAt) {
  while (points - kDialogueLineStepPoints >= kDialogueLineSmallestPoints && heightAt(points) > roomHeight)
    points -= kDialogueLineStepPoints;
  return points;
}

std::vector<std::string> addressPieces(std::string_view line) {
  std::vector<std::string> pieces{std::string()};
  for (const char c : line) {
    pieces.back() += c;
    if (c == '@' || c == '.' || c == '-' || c == '/') pieces.emplace_back();
  }
  if (pieces.size() > 1 && pieces.back().empty()) pieces.pop_back();
  return pieces;
}

std::string withAddressBreaks(std::string_view text, int width,
                              const std::function<int(std::string_view line)>& lineWidth) {
  std::string out;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    std::string line;
    for (const std::string& piece : addressPieces(text.substr(start, end == std::string_view::npos ? end : end - start))) {
      if (!line.empty() && lineWidth(line + piece) > width) {
        out += line + '\n';
        line = piece;
      } else {
        line += piece;
      }
    }
    out += line;
    if (end == std::string_view::npos) break;
    out += '\n';
    start = end + 1;
  }
  return out;
}

}  // namespace lumivox
