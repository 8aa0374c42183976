#pragma once
#include "common/ControlTable.h"

namespace lumivox {

// The help window: the help text and the button that closes it.
const ControlTable& helpForm();

}  // namespace lumivox
