#pragma once
#include <string_view>

namespace lumivox {

// Fixed relative paths below the current directory, exactly as the program
// has always named them (some with backslashes, some with slashes).
inline constexpr std::string_view kMainLibraryFile = "\\Data\\Quorra.data";
inline constexpr std::string_view kDoorLibraryFile = "\\Data\\Door.data";
inline constexpr std::string_view kHotkeyFile = "/Data/HotKeys.opi";
inline constexpr std::string_view kCounterPageFile = "\\Data\\GoUserNumberFiles.ED63rd";

}  // namespace lumivox
