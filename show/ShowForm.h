#pragma once
#include "common/ControlTable.h"
#include "show/PropertyBag.h"

namespace lumivox {

// ShowFrm: our picture, the status line and the XP-style bar on magenta.
const ControlTable& showForm();

// What the window stores of its bar: Style and ProgressLook.
MapPropertyBag showBarProperties();

}  // namespace lumivox
