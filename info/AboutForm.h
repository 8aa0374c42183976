#pragma once
#include "common/ControlTable.h"

namespace lumivox {

// The About window: version, library figures, credits, contact and thanks.
const ControlTable& aboutForm();

}  // namespace lumivox
