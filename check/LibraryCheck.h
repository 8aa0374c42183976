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

#include "check/CheckReport.h"
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
// over its lines. Line numbers are an editor's (CR LF, LF and a lone CR each
// end a line), so a finding's place is where the translator looks.
struct LibraryScan {
  // Nothing else of the file could be read (it is UTF-16).
  bool unreadable = false;
  // For each role, the line of the section that counts; 0 when missing.
  std::vector<std::size_t> sectionLines;
  // The numbered section's keys (the file's Lines or Thanks section).
  NumberedLines numbered;
  // The program's reader over the file's bytes, for the named values.
  std::unique_ptr<IniDocument> document;
  // Each key line of a Values section, by where it starts.
  struct ValueLine {
    std::size_t start, number;
    bool utf8;  // saved as UTF-8 (its columns count UTF-8 characters)
  };
  std::vector<ValueLine> valueLines;

  // The place of a byte of a key line the document found in a Values section.
  Place placeIn(const IniLine& line, std::size_t offset) const;
};

// Checks the file's bytes: encoding, sections and keys given twice, lines
// that carry nothing, keys never looked up, gaps in the numbering, and each
// shown value. What a missing section or value means is the caller's to say.
LibraryScan scanLibrary(std::string bytes, std::span<const SectionRole> roles, FileFindings& findings);

}  // namespace lumivox
