#pragma once
#include <array>
#include <string_view>

namespace lumivox {

// How this system's key watch hears the keys, in the help window's words:
// four lines broken to fit its text box. One file per platform
// (KeyWatchTextWin.cpp, KeyWatchTextX11.cpp).
const std::array<std::string_view, 4>& keyWatchHelpLines();

}  // namespace lumivox
