#include "show/XpProgressBar.h"

namespace lumivox {
namespace {

constexpr int kBorder = 3;
constexpr int kFirstBlockX = 4;
constexpr int kBlockPitch = 10;
constexpr int kMarqueeStep = 5;
constexpr int kWrappedMarqueeX = 2;

PixelRect whole(const Picture& picture) { return {0, 0, picture.width, picture.height}; }

}  // namespace

XpProgressBar::XpProgressBar(ProgressBarCanvas& canvas, Prompter& prompter)
    : canvas_(canvas), prompter_(prompter) {}

void XpProgressBar::reject(const char* message) {
  prompter_.inform(message, kProgressBarErrorTitle, Prompter::Icon::Critical);
}

void XpProgressBar::notify(const char* name) {
  if (propertyChanged) propertyChanged(name);
}

void XpProgressBar::copy(const Picture& picture, PixelRect destination) {
  canvas_.stretchCopy(picture, whole(picture), destination);
}

void XpProgressBar::setValue(std::int32_t New_Value) {
  if (New_Value > max_) return reject(kProgressBarAboveMaximum);
  if (New_Value < min_) return reject(kProgressBarBelowMinimum);
  value_ = New_Value;
  notify("Value");
  if (style_ != 0) {
    if (max_ == New_Value)
      drawFrame();
    else
      stepMarquee();
  } else {
    drawBlocks();
  }
}

void XpProgressBar::setStyle(std::int32_t New_Style) {
  style_ = New_Style;
  notify("Style");
}

void XpProgressBar::setProgressLook(std::int32_t New_ProgressLook) {
  progressLook_ = New_ProgressLook;
  notify("ProgressLook");
  applyLook();
}

void XpProgressBar::setMinimum(std::int32_t New_Mini) {
  if (New_Mini > max_) return reject(kProgressBarAboveMaximum);
  if (New_Mini < 0) return reject(kProgressBarMinimumBelowZero);
  min_ = New_Mini;
  notify("Min");
}

void XpProgressBar::setMaximum(std::int32_t New_Maxi) {
  if (New_Maxi < min_) return reject(kProgressBarBelowMinimum);
  max_ = New_Maxi;
  notify("Max");
}

void XpProgressBar::resized() { drawFrame(); }

void XpProgressBar::readProperties(const PropertyBag& bag) {
  min_ = bag.read("Min", 0);
  max_ = bag.read("Max", 100);
  value_ = bag.read("Value", 0);
  style_ = bag.read("Style", 0);
  setProgressLook(bag.read("ProgressLook", 0));
}

void XpProgressBar::writeProperties(PropertyBag& bag) const {
  bag.write("Min", min_, 0);
  bag.write("Max", max_, 100);
  bag.write("Value", value_, 0);
  bag.write("Style", style_, 0);
  bag.write("ProgressLook", progressLook_, 0);
}

void XpProgressBar::drawFrame() {
  canvas_.clear();
  const int w = canvas_.width();
  const int h = canvas_.height();
  const int hi = h - 6;
  const Picture& img = framePicture();
  auto piece = [&](PixelRect source, PixelRect destination) { canvas_.stretchCopy(img, source, destination); };
  piece({0, 0, 3, 3}, {0, 0, 3, 3});              // top-left corner
  piece({56, 0, 3, 3}, {w - 3, 0, 3, 3});         // top-right corner
  piece({56, 10, 3, 3}, {w - 3, h - 3, 3, 3});    // bottom-right corner
  piece({0, 10, 3, 3}, {0, h - 3, 3, 3});         // bottom-left corner
  piece({3, 0, 12, 3}, {3, 0, w - 6, 3});         // top edge
  piece({56, 3, 3, 3}, {w - 3, 3, 3, hi});        // right edge
  piece({3, 10, 1, 3}, {3, h - 3, w - 6, 3});     // bottom edge
  piece({0, 3, 3, 3}, {0, 3, 3, hi});             // left edge
  piece({4, 4, 51, 7}, {3, 3, w - 6, hi});        // centre
  marqueeX_ = kFirstBlockX;
  resetLayout();
}

void XpProgressBar::resetLayout() {
  nextBlockX_ = kFirstBlockX;
  lastValue_ = value_;
  gateValue_ = drawnUnits_ = static_cast<double>(value_) - min_;
  width_ = canvas_.width();
  blockHeight_ = canvas_.height() - 6;
  pictureWidth_ = lookPictures_[0].width;
  pictureHeight_ = lookPictures_[0].height;
  barFull_ = false;
  valueStep_ = 0;
}

void XpProgressBar::applyLook() {
  if (progressLook_ < 0 || progressLook_ >= kLookCount) return;
  lookPictures_ = lookPictureSet(progressLook_).pictures;
}

void XpProgressBar::drawBlocks() {
  const double value = value_;
  if (value_ <= min_) drawFrame();
  if (value < lastValue_) {
    // The value went down: rebuild the bar from the left.
    drawFrame();
  } else {
    valueStep_ = value - lastValue_;
    lastValue_ = value;
  }

  const double range = static_cast<double>(max_) - min_;
  // Only a bar running to exactly 100 moves its gate once the value is above
  // 0; on any other scale the first step after a reset can be swallowed here.
  const double gateStep = (max_ != 100 && value_ > 0) ? 0.0 : 0.01 * range;
  if (value < gateValue_ + min_) return;
  gateValue_ += gateStep;

  // Max = Min leaves no scale to draw on: the frame stays as it is.
  if (range == 0) return;

  const double pixelsPerUnit = (0.01 * width_) * (100 / range);
  drawnUnits_ += valueStep_;
  while (nextBlockX_ < drawnUnits_ * pixelsPerUnit) {
    if (nextBlockX_ + kBlockPitch >= width_) drawLastBlock();
    if (barFull_) return;
    canvas_.stretchCopy(lookPictures_[2], {0, 0, pictureWidth_, pictureHeight_},
                        {nextBlockX_, kBorder, pictureWidth_, blockHeight_});
    nextBlockX_ += kBlockPitch;
  }
}

void XpProgressBar::drawLastBlock() {
  const int rest = (width_ - kBorder) - nextBlockX_;
  if (rest > 0)
    canvas_.stretchCopy(lookPictures_[2], {0, 0, pictureWidth_, pictureHeight_}, {nextBlockX_, kBorder, rest, blockHeight_});
  barFull_ = true;
}

void XpProgressBar::stepMarquee() {
  const int p = marqueeX_;
  const int segment = pictureWidth_ / 2;
  // The chunk's first position after a reset or a wrap has nothing behind it.
  if (p != kWrappedMarqueeX && p != kFirstBlockX) copy(blankPicture(), {p - kMarqueeStep, kBorder, segment, blockHeight_});
  if (p + 20 < width_) copy(lookPictures_[2], {p + 10, kBorder, segment, blockHeight_});
  if (p + 10 < width_) copy(lookPictures_[1], {p + 5, kBorder, segment, blockHeight_});
  if (p + 5 < width_) copy(lookPictures_[0], {p, kBorder, segment, blockHeight_});
  if (p + 5 >= width_) {
    const int rest = (width_ - kBorder) - p;
    if (rest > 0) copy(blankPicture(), {p, kBorder, rest, blockHeight_});
    marqueeX_ = kWrappedMarqueeX;
  } else {
    marqueeX_ = p + kMarqueeStep;
  }
}

}  // namespace lumivox
