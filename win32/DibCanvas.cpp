#include "win32/DibCanvas.h"

namespace lumivox {

DibCanvas::~DibCanvas() {
  if (bitmap_) DeleteObject(bitmap_);
}

void DibCanvas::resize(int width, int height) {
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  surface_ = {};
  if (width <= 0 || height <= 0) return;
  // 32 bits a pixel in memory order blue, green, red, unused: the surface's
  // 0xFFRRGGBB as a little-endian word. A negative height puts row 0 on top.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!bitmap_) return;
  surface_ = {static_cast<std::uint32_t*>(pixels), width, height, width};
}

void DibCanvas::paint(HDC target, const RECT& area) const {
  if (!bitmap_) return;
  HDC source = CreateCompatibleDC(target);
  if (!source) return;
  HGDIOBJ previous = SelectObject(source, bitmap_);
  const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
  StretchBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, source, 0, 0,
             surface_.width, surface_.height, SRCCOPY);
  SetStretchBltMode(target, oldMode);
  SelectObject(source, previous);
  DeleteDC(source);
}

void DibCanvas::clear() {
  GdiFlush();  // the system may still be reading the pixels for a blit
  fillSurface(surface_, 0xFFFFFF);
}

void DibCanvas::stretchCopy(const Picture& picture, PixelRect source, PixelRect destination) {
  GdiFlush();
  lumivox::stretchCopy(surface_, picture, source, destination);
}

}  // namespace lumivox
