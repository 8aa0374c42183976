// The library checker on any bytes as a main-story library: it never fails,
// its findings stand on lines the file has (as editors count them), and the
// numbered lines it counts are exactly the ones the program's reader finds,
// each on the line it says.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check/FileFindings.h"
#include "check/LibraryCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumivox;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The line of a byte as editors count: CR LF, LF and a lone CR end a line.
  auto lineOf = [&](std::size_t offset) {
    std::size_t line = 1;
    for (std::size_t at = 0; at < offset; ++at)
      if (bytes[at] == '\n' || (bytes[at] == '\r' && (at + 1 == bytes.size() || bytes[at + 1] != '\n'))) ++line;
    return line;
  };
  const std::size_t lines = lineOf(bytes.size());
  FileFindings findings("Quorra.data", Language::English);
  const LibraryScan scan = scanLibrary(bytes, mainLibraryRoles(), findings);
  CheckReport report;
  findings.moveInto(report);
  for (const Finding& f : report.findings)
    if (f.line > lines || (f.column && !f.line) || f.message.empty()) std::abort();
  if (scan.unreadable) return 0;

  const std::string_view section = mainLibraryRoles()[kStoryRole].name;
  std::uint32_t next = 0;
  scan.numbered.forEach([&](std::uint32_t number, std::uint32_t line) {
    for (; next < number && next < 64; ++next)
      if (scan.document->findLine(section, std::to_string(next))) std::abort();  // a gap the reader fills
    const auto found = scan.document->findLine(section, std::to_string(number));
    if (!found || lineOf(found->start) != line) std::abort();
    next = number + 1;
  });
  if (scan.document->findLine(section, std::to_string(next))) std::abort();
  return 0;
}
