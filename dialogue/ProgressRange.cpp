#include "dialogue/ProgressRange.h"

#include <cmath>

namespace lumivox {

bool ProgressRange::setMaximum(float maximum) {
  if (!std::isfinite(maximum) || !(maximum > minimum())) return false;
  maximum_ = maximum;
  if (value_ > maximum_) value_ = maximum_;
  return true;
}

bool ProgressRange::setValue(float value) {
  if (!(value >= minimum() && value <= maximum_)) return false;
  value_ = value;
  return true;
}

}  // namespace lumivox
