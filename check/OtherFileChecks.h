#pragma once
#include <cstddef>
#include <optional>

namespace lumivox {

class DataFolder;
class FileFindings;
enum class Track;

// The hotkey file: read at every start; its last field names the key.
void checkHotkeyFile(const DataFolder& folder, FileFindings& findings);

// A progress file, when there is one: its last field must load as a line
// number; `highestLine` is the track's last numbered line, when known.
void checkProgressFile(const DataFolder& folder, FileFindings& findings, std::optional<std::size_t> highestLine);

// The counter page: within the size the program shows, and in the
// character set it is read in.
void checkCounterPage(const DataFolder& folder, FileFindings& findings);

}  // namespace lumivox
