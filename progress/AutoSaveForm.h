#pragma once
#include "common/Form.h"

namespace lumivox {

// AutoSave: the auto-save interval typed in Text1 and the button that sets it.
const FormSpec& autoSaveForm();

}  // namespace lumivox
