#pragma once
#include "common/Form.h"

namespace lumivox {

// The About window: version, library figures, credits, contact and thanks.
const FormSpec& aboutForm();

}  // namespace lumivox
