#pragma once
#include "check/CheckReport.h"

namespace lumivox {

class DataFolder;

// --convert-utf8: each library of the folder (and the thanks list, the same
// kind of file) that is UTF-8 with text beyond ASCII, or has a UTF-8 byte
// order mark, is written again as GBK through the atomic writer, the
// original kept beside it as "<name>.utf8.bak". A file with a character GBK
// lacks, or whose backup name is taken, is left as it is; a file that is not
// UTF-8 (that is, GBK) is never touched. One finding a file acted on, added
// to the report.
void convertUtf8Libraries(const DataFolder& folder, Language language, CheckReport& report);

}  // namespace lumivox
