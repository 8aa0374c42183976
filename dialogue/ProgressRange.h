#pragma once
#include <optional>

namespace lumivox {

// The rules of the main window's progress bar: a single-precision range from
// 0 whose maximum must stay above the minimum and whose value must lie within
// it. A rejected assignment changes nothing and says so.
class ProgressRange {
 public:
  float minimum() const { return 0.0f; }
  float maximum() const { return maximum_; }
  float value() const { return value_; }
  // The value in whole steps of a bar of this many, as a platform's bar shows it.
  int steps(int of) const { return static_cast<int>(value_ / maximum_ * of); }

  // A maximum below the value waits for the next value within it: until
  // then the bar, and the percentage beside it, keep showing what they show.
  bool setMaximum(float maximum);
  bool setValue(float value);

 private:
  float maximum_ = 100.0f;
  float value_ = 0.0f;
  std::optional<float> waitingMaximum_;
};

}  // namespace lumivox
