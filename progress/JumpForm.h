#pragma once
#include "common/Form.h"

namespace lumivox {

// TextNO: the main-story line number to jump to, typed in Text1.
const FormSpec& jumpForm();

}  // namespace lumivox
