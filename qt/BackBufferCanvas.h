#pragma once
#include <QImage>
#include <QSize>

#include "show/ProgressBarCanvas.h"
#include "show/PixelSurface.h"

namespace lumivox {

// A canvas that keeps its pixels in an image, so that a widget can show the
// same pixels again whenever it is uncovered without drawing anything anew.
class BackBufferCanvas final : public ProgressBarCanvas {
 public:
  // Starts a new buffer of that size; its pixels are undefined until drawn.
  void resize(QSize size);
  const QImage& image() const { return image_; }

  int width() const override { return image_.width(); }
  int height() const override { return image_.height(); }
  void clear() override;
  void stretchCopy(const Picture& picture, PixelRect source, PixelRect destination) override;

 private:
  PixelSurface surface();
  QImage image_;
};

}  // namespace lumivox
