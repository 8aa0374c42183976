#pragma once
#include <string>

namespace lumivox {

// The Wine prefix the game runs in, as Wine itself finds it: $WINEPREFIX,
// else .wine in the home folder.
std::string winePrefixFolder();

}  // namespace lumivox
