#pragma once
#include "common/Form.h"

namespace lumivox {

// HotkeysSetup: the seven keys of the hotkey table as one group of option
// buttons, Option1 to Option7 in the table's order. Neither button is the
// default or the cancel button.
const FormSpec& hotkeysForm();

}  // namespace lumivox
