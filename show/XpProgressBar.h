#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "common/Prompter.h"
#include "show/ProgressBarCanvas.h"
#include "show/PropertyBag.h"
#include "show/XpPictures.h"

namespace lumivox {

// Under this class name hosts store the control with its properties.
inline constexpr char kXpProgressBarClassName[] = "Lumivox.Xp_ProgressBar";

inline constexpr char kProgressBarAboveMaximum[] = "进度条发生了错误。（设置值大于最大值）";
inline constexpr char kProgressBarBelowMinimum[] = "进度条发生了错误。（设置值小于最小值）";
inline constexpr char kProgressBarMinimumBelowZero[] = "进度条发生了错误。（最小值小于0）";
inline constexpr char kProgressBarErrorTitle[] = "错误";

// The control Xp_ProgressBar without its window: properties, their checks and
// persistence, and the drawing, which it issues as stretch copies onto a
// canvas. It draws only when resized and when a Value is assigned; the canvas
// keeps what was drawn.
//
// Style 0 grows a row of 8-pixel blocks on a 10-pixel pitch incrementally;
// any other style moves a three-segment chunk five pixels per assignment.
//
// A look is applied only by assigning ProgressLook (or reading the
// properties); until then the blocks have no size and only the frame shows.
// The block size is taken at each reset (resize, value at Min, value going
// down), so read the properties before the control is first resized.
class XpProgressBar {
 public:
  XpProgressBar(ProgressBarCanvas& canvas, Prompter& prompter);

  std::int32_t value() const { return value_; }
  std::int32_t style() const { return style_; }
  std::int32_t progressLook() const { return progressLook_; }
  std::int32_t minimum() const { return min_; }
  std::int32_t maximum() const { return max_; }

  // A rejected assignment shows an error box and changes and draws nothing.
  void setValue(std::int32_t New_Value);
  void setStyle(std::int32_t New_Style);
  // 0..7; any other value is stored but keeps the pictures of the look in use.
  void setProgressLook(std::int32_t New_ProgressLook);
  // Neither bound re-checks Value, which may end up outside the new range.
  void setMinimum(std::int32_t New_Mini);
  void setMaximum(std::int32_t New_Maxi);

  // The surface changed size: draw the empty frame and start over.
  void resized();

  // Reading stores Min, Max, Value and Style unchecked and undrawn, then
  // assigns ProgressLook, which applies the look.
  void readProperties(const PropertyBag& bag);
  void writeProperties(PropertyBag& bag) const;

  // Told the name of each property after an accepted assignment, before any
  // drawing it causes.
  std::function<void(const std::string& name)> propertyChanged;

  // The three pictures of the look in use; empty before any look.
  const std::array<Picture, 3>& currentPictures() const { return lookPictures_; }

 private:
  void reject(const char* message);
  void notify(const char* name);
  void copy(const Picture& picture, PixelRect destination);

  void drawFrame();
  void resetLayout();
  void applyLook();
  void drawBlocks();
  void drawLastBlock();
  void stepMarquee();

  ProgressBarCanvas& canvas_;
  Prompter& prompter_;

  std::int32_t value_ = 0;
  std::int32_t style_ = 0;
  std::int32_t progressLook_ = 0;
  std::int32_t min_ = 0;
  std::int32_t max_ = 100;
  std::array<Picture, 3> lookPictures_;

  // Drawing state, set by resetLayout unless noted.
  int width_ = 0;  // the canvas's, frame included
  int blockHeight_ = 0;
  int pictureWidth_ = 0;
  int pictureHeight_ = 0;
  int nextBlockX_ = 0;
  double lastValue_ = 0;
  double valueStep_ = 0;
  double drawnUnits_ = 0;
  double gateValue_ = 0;
  bool barFull_ = false;
  int marqueeX_ = 0;  // set by drawFrame
};

}  // namespace lumivox
