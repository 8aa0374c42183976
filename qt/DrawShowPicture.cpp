// Draws the show window's 320 x 240 picture and writes it as a JPEG: a dusk
// sky over hills, the sun's glow, and two speech bubbles, a line said and a
// line understood. Run at build time; the picture is ours, drawn here.
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 320, kHeight = 240;

void drawSky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, 175);
  sky.setColorAt(0.0, QColor(0x1B, 0x1F, 0x4A));
  sky.setColorAt(0.55, QColor(0x5A, 0x3D, 0x7A));
  sky.setColorAt(0.85, QColor(0xC8, 0x6A, 0x6E));
  sky.setColorAt(1.0, QColor(0xF2, 0xA6, 0x5A));
  p.fillRect(0, 0, kWidth, kHeight, sky);

  // Stars from a fixed sequence, so every build draws the same sky.
  unsigned seed = 20240611u;
  auto next = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 70; ++i) {
    const double x = next() % kWidth, y = next() % 110;
    const int alpha = 60 + static_cast<int>(next() % 170) * (110 - static_cast<int>(y)) / 110;
    const double r = 0.5 + (next() % 100) / 100.0;
    p.setBrush(QColor(255, 250, 235, alpha));
    p.drawEllipse(QPointF(x, y), r, r);
  }
}

void drawSun(QPainter& p) {
  const QPointF centre(232, 168);
  QRadialGradient glow(centre, 90);
  glow.setColorAt(0.0, QColor(255, 236, 170, 230));
  glow.setColorAt(0.3, QColor(255, 190, 110, 120));
  glow.setColorAt(1.0, QColor(255, 160, 90, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, 90, 90);
  p.setBrush(QColor(0xFF, 0xE4, 0xA0));
  p.drawEllipse(centre, 20, 20);
}

// A ridge across the picture: a sum of two waves, filled down to the bottom.
void drawRidge(QPainter& p, double base, double a1, double f1, double a2, double f2, double phase, QColor colour) {
  QPainterPath ridge(QPointF(0, kHeight));
  for (int x = 0; x <= kWidth; x += 4)
    ridge.lineTo(x, base - a1 * std::sin(x * f1 + phase) - a2 * std::sin(x * f2 + 2 * phase));
  ridge.lineTo(kWidth, kHeight);
  ridge.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(ridge);
}

// A rounded bubble with its tail, and grey bars standing for its line.
void drawBubble(QPainter& p, QRectF box, QPointF tip, bool tailLeft, QColor fill, QColor ink, int bars) {
  QPainterPath bubble;
  bubble.addRoundedRect(box, 12, 12);
  const double tailX = tailLeft ? box.left() + 22 : box.right() - 22;
  QPainterPath tail(QPointF(tailX - 8, box.bottom() - 2));
  tail.lineTo(tip);
  tail.lineTo(tailX + 8, box.bottom() - 2);
  tail.closeSubpath();
  p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
  p.setBrush(fill);
  p.drawPath(bubble.united(tail));

  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  const double barHeight = 5, gap = (box.height() - 16 - bars * barHeight) / std::max(1, bars - 1);
  for (int i = 0; i < bars; ++i) {
    const double width = (box.width() - 28) * (i == bars - 1 ? 0.6 : 1.0 - 0.08 * i);
    p.drawRoundedRect(QRectF(box.left() + 14, box.top() + 8 + i * (barHeight + gap), width, barHeight), 2.5, 2.5);
  }
}

QImage drawShowPicture() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawSky(p);
  drawSun(p);
  drawRidge(p, 186, 10, 0.021, 5, 0.057, 0.4, QColor(0x4A, 0x35, 0x66));
  drawRidge(p, 205, 12, 0.015, 4, 0.071, 2.1, QColor(0x2E, 0x22, 0x47));
  drawRidge(p, 226, 6, 0.026, 3, 0.09, 4.0, QColor(0x17, 0x11, 0x29));

  drawBubble(p, QRectF(22, 30, 132, 58), QPointF(40, 108), true, QColor(255, 255, 255, 215),
             QColor(0x6B, 0x5B, 0x95), 3);
  drawBubble(p, QRectF(150, 92, 112, 46), QPointF(250, 152), false, QColor(255, 241, 200, 215),
             QColor(0xC0, 0x7A, 0x3C), 2);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // finds the image format plugins
  if (argc != 2) {
    std::fputs("usage: lumivox_draw_show_picture <output.jpg>\n", stderr);
    return 2;
  }
  QImageWriter writer(QString::fromLocal8Bit(argv[1]), "jpeg");
  writer.setQuality(92);
  if (!writer.write(drawShowPicture())) {
    std::fprintf(stderr, "lumivox_draw_show_picture: %s\n", qPrintable(writer.errorString()));
    return 1;
  }
  return 0;
}
