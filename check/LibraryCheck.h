#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/NumberedLines.h"
#include "library/IniDocument.h"

namespace lumivox {

class FileFindings;

// What the program reads from a section of an initialisation file: numbered
// dialogue lines ("0", "1", ...), numbered thanks entries ("1", "2", ...), or
// a few named values.
enum class SectionUse { Lines, Thanks, Values };
struct SectionRole {
  std::string_view name;
  SectionUse use;
  std::vector<std::string_view> keys = {};  // Values: the keys the program reads
};

// What the program reads from each of its initialisation files; the first
// role is the numbered section.
std::span<const SectionRole> mainLibraryRoles();
std::span<const SectionRole> doorLibraryRoles();
std::span<const SectionRole> thanksListRoles();
// Where they stand in mainLibraryRoles().
enum MainLibraryRole : std::size_t { kStoryRole, kLineCountRole, kBuildRole, kIntervalRole };

// One initialisation file as the program's reader sees it, after one walk
// over its lines.
struct LibraryScan {
  // Nothing else of the file could be read (it is UTF-16).
  bool unreadable = false;
  // Saved as UTF-8 with text beyond ASCII: its text is not checked further.
  bool utf8 = false;
  // For each role, the line of the section that counts; 0 when missing.
  std::vector<std::size_t> sectionLines;
  // The numbered section's keys (the file's Lines or Thanks section).
  NumberedLines numbered;
  // The program's reader over the file's bytes, for the named values.
  std::unique_ptr<IniDocument> document;
  // Where each key line of a Values section starts, and its line number.
  std::vector<std::pair<std::size_t, std::size_t>> valueLines;

  // The line number of a key line the document found in a Values section.
  std::size_t lineNumberOf(const IniLine& line) const;
};

// Checks the file's bytes: encoding, sections and keys given twice, lines
// that carry nothing, keys never looked up, gaps in the numbering, and each
// shown value. What a missing section or value means is the caller's to say.
LibraryScan scanLibrary(std::string bytes, std::span<const SectionRole> roles, FileFindings& findings);

}  // namespace lumivox
