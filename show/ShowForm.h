#pragma once
#include "common/ControlTable.h"

namespace lumivox {

// ShowFrm: our picture, the status line and the XP-style bar on magenta.
const ControlTable& showForm();

// The bar's stored properties: Style and ProgressLook.
inline constexpr int kShowBarStyle = 1;
inline constexpr int kShowBarLook = 2;

}  // namespace lumivox
