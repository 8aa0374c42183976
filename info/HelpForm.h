#pragma once
#include "common/Form.h"

namespace lumivox {

// The help window: the help text and the button that closes it.
const FormSpec& helpForm();

}  // namespace lumivox
