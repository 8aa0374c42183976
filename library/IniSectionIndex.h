#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>

#include "library/IniLines.h"

namespace lumivox {

// The keys of one section of an initialisation file, found in one pass over
// its lines. A library numbers its lines "0", "1", "2", ...: those keys go in
// a table by their number. Every other key line (a handful in a real library,
// in its small sections) is listed in file order, and a lookup of such a key
// walks that list. Four bytes a key line either way; entries are offsets
// into the file's bytes, which the caller keeps unchanged for the index's
// lifetime (files are below 4 GiB).
class IniSectionIndex {
 public:
  // Indexes the lines from bodyStart up to the next section line or the end.
  IniSectionIndex(std::string_view bytes, std::size_t bodyStart);

  // The first key line of that name (ASCII case aside), in the same bytes.
  std::optional<IniLine> find(std::string_view bytes, std::string_view key) const;

  // One past the highest line number in the table: a list of the section's
  // lines runs from 0 to below it. A number far beyond the others (listed
  // with the other keys) does not stretch it.
  std::size_t numberedLines() const { return numbered_.size(); }

  // Memory held, for tests and the benchmark.
  std::size_t memoryBytes() const;

 private:
  // Deques, not vectors: they grow without holding two copies of themselves
  // for a moment, so a huge section costs only what it keeps.
  std::deque<std::uint32_t> numbered_;  // by number: where its first line starts
  std::deque<std::uint32_t> others_;    // where each other key line starts
};

}  // namespace lumivox
