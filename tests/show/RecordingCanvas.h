#pragma once
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "show/ProgressBarCanvas.h"

// Records what the progress bar draws instead of drawing it.
struct DrawOp {
  bool clear = false;
  std::string picture;  // the picture's name: "img", "blank", "<look>.<index>"
  lumivox::PixelRect source, destination;
  bool operator==(const DrawOp&) const = default;
};

inline DrawOp copyOp(std::string picture, lumivox::PixelRect source, lumivox::PixelRect destination) {
  return {false, std::move(picture), source, destination};
}
inline DrawOp clearOp() { return {true, {}, {}, {}}; }

inline std::ostream& operator<<(std::ostream& out, const DrawOp& op) {
  if (op.clear) return out << "clear";
  const auto rect = [&](const lumivox::PixelRect& r) -> std::ostream& {
    return out << "(" << r.x << "," << r.y << "," << r.width << "," << r.height << ")";
  };
  out << op.picture << " ";
  rect(op.source) << " -> ";
  return rect(op.destination);
}

class RecordingCanvas final : public lumivox::ProgressBarCanvas {
 public:
  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  int width() const override { return width_; }
  int height() const override { return height_; }
  void clear() override { ops.push_back(clearOp()); }
  void stretchCopy(const lumivox::Picture& picture, lumivox::PixelRect source,
                   lumivox::PixelRect destination) override {
    ops.push_back(copyOp(picture.name, source, destination));
  }

  // What was drawn since the last call.
  std::vector<DrawOp> take() { return std::exchange(ops, {}); }

  std::vector<DrawOp> ops;

 private:
  int width_, height_;
};
