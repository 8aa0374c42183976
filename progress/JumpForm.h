#pragma once
#include "common/ControlTable.h"

namespace lumivox {

// TextNO: the main-story line number to jump to, typed in Text1.
const ControlTable& jumpForm();

}  // namespace lumivox
