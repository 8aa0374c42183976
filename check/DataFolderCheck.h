#pragma once
#include <string>

#include "check/CheckReport.h"

namespace lumivox {

// Checks every file of a Data folder that the program reads, by the
// program's own readers and rules, so that each finding is what players
// will meet. `folder` as the user gave it; the findings name files by it.
// Asked to, it first converts the libraries saved as UTF-8 (ConvertUtf8.h).
enum class Conversion { None, Utf8Libraries };
CheckReport checkDataFolder(const std::string& folder, Language language, Conversion conversion = Conversion::None);

}  // namespace lumivox
