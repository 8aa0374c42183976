#include "dialogue/ProgressRange.h"

#include <cmath>

namespace lumivox {

bool ProgressRange::setMaximum(float maximum) {
  if (!std::isfinite(maximum) || !(maximum > minimum())) return false;
  if (value_ > maximum) {
    waitingMaximum_ = maximum;
  } else {
    maximum_ = maximum;
    waitingMaximum_.reset();
  }
  return true;
}

bool ProgressRange::setValue(float value) {
  const float maximum = waitingMaximum_.value_or(maximum_);
  if (!(value >= minimum() && value <= maximum)) return false;
  maximum_ = maximum;
  waitingMaximum_.reset();
  value_ = value;
  return true;
}

}  // namespace lumivox
