#pragma once
#include "check/CheckReport.h"

namespace lumivox {

class DataFolder;

// --convert-utf8: in each library of the folder (and the thanks list, the
// same kind of file), the lines saved as UTF-8 (lineEncoding) are written
// again as GBK, and a UTF-8 byte order mark is dropped, through the atomic
// writer, the original kept beside it as "<name>.utf8.bak"; every other
// line keeps its bytes. A file without such lines or mark is never touched.
// A file is left as it is, and the finding says why, when it holds lines
// that read as text either way (naming them), a character GBK lacks, when
// its backup name is taken, or when it cannot be written: that is known
// before anything is written, and a backup written for nothing is removed.
// One finding a file acted on, added to the report.
void convertUtf8Libraries(const DataFolder& folder, Language language, CheckReport& report);

}  // namespace lumivox
