#pragma once
#include "common/ControlTable.h"

namespace lumivox {

// HotkeysSetup: the seven keys of the hotkey table as one group of option
// buttons, Option1 to Option7 in the table's order. Neither button is the
// default or the cancel button.
const ControlTable& hotkeysForm();

}  // namespace lumivox
