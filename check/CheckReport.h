#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumivox {

// What the library checker found in a Data folder, as plain data: a console
// prints it, a window lists it.
enum class Severity { Error, Warning, Note };
enum class Language { Chinese, English };

// Where a finding stands: a line from 1 (0: the file as a whole) and a
// column in characters from 1 (0: none applies), as editors count them.
struct Place {
  std::size_t line = 0, column = 0;
};

struct Finding {
  std::string file;        // the folder as given, joined with the file's name
  std::size_t line = 0;    // from 1; 0: the file as a whole
  std::size_t column = 0;  // in characters, from 1; 0: none applies
  Severity severity = Severity::Error;
  std::string code;     // stable, "L030"
  std::string message;  // in the report's language
};

struct CheckReport {
  std::vector<Finding> findings;  // by file, each file's in the order found
  // Counted over every finding, also those a long list leaves out.
  std::size_t errors = 0, warnings = 0, notes = 0;
  // The numbered lines each story has; nothing when its library is missing
  // or unreadable.
  std::optional<std::size_t> mainLines, doorLines;
  bool folderUnreadable = false;  // then the findings say why, and nothing else was checked
};

}  // namespace lumivox
