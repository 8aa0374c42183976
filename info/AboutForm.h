#pragma once
#include <string>

#include "common/Form.h"

namespace lumivox {

// The About window: version, library figures, credits, contact and thanks.
const FormSpec& aboutForm();

// Label11's contact note: the address, the messenger, a promise of support,
// the rights line and leave to pass the program on.
std::string aboutContactNote();

}  // namespace lumivox
