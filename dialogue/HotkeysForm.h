#pragma once
#include <cstddef>
#include <string>

#include "common/ControlTable.h"

namespace lumivox {

// HotkeysSetup: the seven keys of the hotkey table as one group of option
// buttons, Option1 to Option7 in the table's order; below them the player
// keys, a key field and a button that empties it each. Neither of the two
// buttons at the foot is the default or the cancel button.
const ControlTable& hotkeysForm();

// The controls of a row of the player keys, in playerKeyRows()'s order.
std::string playerKeyLabelName(std::size_t row);
std::string playerKeyFieldName(std::size_t row);

}  // namespace lumivox
