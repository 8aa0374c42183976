#include "qt/BackBufferCanvas.h"

namespace lumivox {

void BackBufferCanvas::resize(QSize size) { image_ = QImage(size, QImage::Format_RGB32); }

PixelSurface BackBufferCanvas::surface() {
  if (image_.isNull()) return {};
  return {reinterpret_cast<std::uint32_t*>(image_.bits()), image_.width(), image_.height(),
          static_cast<int>(image_.bytesPerLine() / 4)};
}

void BackBufferCanvas::clear() { fillSurface(surface(), 0xFFFFFF); }

void BackBufferCanvas::stretchCopy(const Picture& picture, PixelRect source, PixelRect destination) {
  lumivox::stretchCopy(surface(), picture, source, destination);
}

}  // namespace lumivox
