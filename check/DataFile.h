#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/CheckReport.h"

namespace lumivox {

// A file of the Data folder, read as the program reads it (common/FileRead:
// a regular file only, never waiting on a pipe, up to a size), with the
// reason in words when it cannot be.
struct DataFile {
  enum class State { Read, Missing, TooLarge, Unreadable };
  State state = State::Missing;
  std::string bytes;
  std::string why;  // Unreadable and TooLarge: what is wrong, in the report's language
};
DataFile readDataFile(const std::string& path, std::size_t maxBytes, Language language);

// The Data folder as given on the command line and what it holds.
class DataFolder {
 public:
  // Lists the folder; false when it cannot be read (why says why).
  bool open(const std::string& folder, Language language, std::string& why);

  // The path of a file in it, for reading and for showing: the folder as
  // given, joined with the name by its own kind of separator.
  std::string path(std::string_view name) const;
  // A name in the folder that differs from the one asked for only in case,
  // which a case-sensitive system does not take for it; empty when none.
  std::string nameInOtherCase(std::string_view name) const;

 private:
  std::string folder_;
  std::vector<std::string> names_;
};

class FileFindings;

// Reads the file the findings are about (their path), or reports what
// players meet without it: missing (when that is worth saying at all) or
// unreadable, each with the severity given.
struct WhenAbsent {
  std::optional<Severity> missing;
  Severity unreadable;
  std::string consequence;  // what players meet, in the report's language
};
std::optional<std::string> readChecked(const DataFolder& folder, std::string_view name, FileFindings& findings,
                                       std::size_t maxBytes, const WhenAbsent& absent);

// The file name at the end of one of the program's relative paths
// ("\Data\Quorra.data", "/Data/Save.sav").
std::string_view fileNameOf(std::string_view relativePath);

}  // namespace lumivox
