#pragma once
#include <windows.h>

#include "show/PixelSurface.h"
#include "show/ProgressBarCanvas.h"

namespace lumivox {

// A canvas whose pixels live in a top-down 32-bit DIB section, so that a
// window shows them again with one blit whenever it is uncovered.
class DibCanvas final : public ProgressBarCanvas {
 public:
  DibCanvas() = default;
  ~DibCanvas() override;
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  // Starts a new surface of that size; its pixels are undefined until drawn.
  // Without area (or memory) the canvas is empty and draws nothing.
  void resize(int width, int height);
  // Copies the whole surface onto the area of the device context, stretched
  // pixel by pixel where the area is larger, as the screen's scale wants.
  void paint(HDC target, const RECT& area) const;

  int width() const override { return surface_.width; }
  int height() const override { return surface_.height; }
  void clear() override;
  void stretchCopy(const Picture& picture, PixelRect source, PixelRect destination) override;

 private:
  HBITMAP bitmap_ = nullptr;
  PixelSurface surface_;
};

}  // namespace lumivox
