#pragma once
#include <string>

#include "check/CheckReport.h"

namespace lumivox {

// The report as compilers write theirs, one finding a line, so that editors
// and CI jump to it: "Data/Quorra.data:123:5: error: <message> [L012]"
// (without the column, or line and column, where none applies); then the
// summary line.
std::string findingLine(const Finding& finding);
std::string summaryLine(const CheckReport& report, Language language);
std::string reportText(const CheckReport& report, Language language);

// The findings as one JSON array of objects with file, line, column (null
// where none applies), severity, code and message.
std::string reportJson(const CheckReport& report);

// Every code, one line each, in the language asked for.
std::string codesHelp(Language language);

}  // namespace lumivox
