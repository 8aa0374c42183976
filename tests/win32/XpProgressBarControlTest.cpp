#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "common/Twips.h"
#include "show/PixelSurface.h"
#include "support/ScriptedPrompter.h"
#include "win32/Dpi.h"
#include "win32/XpProgressBarControl.h"

using namespace lumivox;

namespace {

// The bar's drawing in plain memory: what the control must show.
class MemoryCanvas final : public ProgressBarCanvas {
 public:
  explicit MemoryCanvas(int width, int height) : pixels_(static_cast<std::size_t>(width * height)) {
    surface_ = {pixels_.data(), width, height, width};
  }
  int width() const override { return surface_.width; }
  int height() const override { return surface_.height; }
  void clear() override { fillSurface(surface_, 0xFFFFFF); }
  void stretchCopy(const Picture& picture, PixelRect source, PixelRect destination) override {
    lumivox::stretchCopy(surface_, picture, source, destination);
  }
  std::uint32_t rgbAt(int x, int y) const { return pixels_[static_cast<std::size_t>(y * surface_.width + x)] & 0xFFFFFF; }

 private:
  std::vector<std::uint32_t> pixels_;
  PixelSurface surface_;
};

// The control's client area as it paints it, read back as 0xRRGGBB.
std::vector<std::uint32_t> printed(HWND control, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  std::vector<std::uint32_t> pixels(static_cast<const std::uint32_t*>(bits),
                                    static_cast<const std::uint32_t*>(bits) + width * height);
  for (auto& pixel : pixels) pixel &= 0xFFFFFF;
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return pixels;
}

void expectSamePixels(const std::vector<std::uint32_t>& shown, const MemoryCanvas& drawn) {
  ASSERT_EQ(shown.size(), static_cast<std::size_t>(drawn.width() * drawn.height()));
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      ASSERT_EQ(shown[static_cast<std::size_t>(y * drawn.width() + x)], drawn.rgbAt(x, y)) << x << "," << y;
}

}  // namespace

TEST(XpProgressBarControl, ShowsTheBarsDrawingPixelForPixelAfterEachResizeAndValue) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 400, 60, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(parent, nullptr) << "no window: under Wine, give it a display or its null graphics driver";
  ScriptedPrompter prompter;
  XpProgressBarControl control(parent, 7, RECT{5, 5, 5 + 321, 5 + 17}, 96, MapPropertyBag({{"ProgressLook", 3}}),
                               prompter);
  ASSERT_NE(control.handle(), nullptr);
  EXPECT_EQ(GetDlgCtrlID(control.handle()), 7);

  MemoryCanvas canvas(321, 17);
  XpProgressBar reference(canvas, prompter);
  reference.setProgressLook(3);
  reference.resized();
  expectSamePixels(printed(control.handle(), 321, 17), canvas);

  control.setValue(50);
  reference.setValue(50);
  expectSamePixels(printed(control.handle(), 321, 17), canvas);

  SetWindowPos(control.handle(), nullptr, 0, 0, 200, 20, SWP_NOMOVE | SWP_NOZORDER);
  MemoryCanvas smaller(200, 20);
  XpProgressBar smallerReference(smaller, prompter);
  smallerReference.setProgressLook(3);
  smallerReference.resized();
  smallerReference.setValue(70);
  control.setValue(70);
  expectSamePixels(printed(control.handle(), 200, 20), smaller);

  DestroyWindow(parent);
  EXPECT_EQ(control.handle(), nullptr) << "destroyed with its parent";
}

// On a screen of twice the scale the window is twice as large, and so is
// every pixel of the bar's drawing in it.
TEST(XpProgressBarControl, ScalesItsDrawingWithTheScreen) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 700, 60, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(parent, nullptr);
  ScriptedPrompter prompter;
  const auto properties = MapPropertyBag({{"Style", 1}, {"ProgressLook", 2}});
  XpProgressBarControl control(parent, 1, RECT{0, 0, 2 * 321, 2 * 17}, 192, properties, prompter);
  MemoryCanvas canvas(321, 17);
  XpProgressBar reference(canvas, prompter);
  reference.readProperties(properties);
  reference.resized();
  for (int value = 1; value <= 3; ++value) {
    control.setValue(value);
    reference.setValue(value);
  }
  const std::vector<std::uint32_t> shown = printed(control.handle(), 2 * 321, 2 * 17);
  for (int y = 0; y < 2 * 17; ++y)
    for (int x = 0; x < 2 * 321; ++x)
      ASSERT_EQ(shown[static_cast<std::size_t>(y * 2 * 321 + x)], canvas.rgbAt(x / 2, y / 2)) << x << "," << y;
  DestroyWindow(parent);
}

TEST(Dpi, TwipsAtNinetySixDotsPerInchAreTheDesignedPixelsAndScaleWithTheScreen) {
  for (int twips = 0; twips <= 20000; ++twips) ASSERT_EQ(twipsToPixels(twips, 96), lumivox::twipsToPixels(twips)) << twips;
  EXPECT_EQ(twipsToPixels(3555, 144), 356);  // 355.5 rounds up
  EXPECT_EQ(twipsToPixels(6300, 192), 840);
}
