#pragma once
#include "common/ControlTable.h"

namespace lumivox {

// AutoSave: the auto-save interval typed in Text1 and the button that sets it.
const ControlTable& autoSaveForm();

}  // namespace lumivox
