#pragma once
#include <string>

namespace lumivox {

// The folder that holds this user's own settings for Lumivox, as a UTF-8
// path: on Linux $XDG_CONFIG_HOME/lumivox (~/.config/lumivox when that is
// unset, empty or not absolute), on Windows %APPDATA%\Lumivox. It may not
// exist yet. Empty when the system names no such place. Never inside Data:
// players replace that folder with a translation's.
std::string userSettingsFolder();

}  // namespace lumivox
