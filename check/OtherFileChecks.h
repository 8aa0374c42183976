#pragma once
#include <cstddef>

namespace lumivox {

class DataFolder;
class FileFindings;
class NumberedLines;

// The hotkey file: read at every start; its last field names the key.
void checkHotkeyFile(const DataFolder& folder, FileFindings& findings);

// A progress file, when there is one: its last field must load as a line
// number, one of the track's `lines` when they are known.
void checkProgressFile(const DataFolder& folder, FileFindings& findings, const NumberedLines* lines);

// The counter page: within the size the program shows, and in the
// character set it is read in.
void checkCounterPage(const DataFolder& folder, FileFindings& findings);

}  // namespace lumivox
