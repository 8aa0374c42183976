#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/IniLines.h"

namespace lumivox {

class IniSectionIndex;

// Beyond this an initialisation file is not one of ours: it is treated as
// unreadable rather than read into memory.
inline constexpr std::size_t kMaxIniFileBytes = std::size_t{512} * 1024 * 1024;

// A parsed initialisation file: its bytes, and for each section asked about
// an index of its keys, built at the first question. Finding a section looks
// only at the lines that start with '['; indexing it walks only its own lines;
// sections nobody asks about cost nothing. So the first lookup after a file is
// read takes time linear in the file's size, and the index holds four bytes a
// key line of the sections asked about. Names match without regard to ASCII
// case; the first occurrence of a section or key counts.
class IniDocument {
 public:
  explicit IniDocument(std::string bytes);
  ~IniDocument();
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;

  // The value's bytes as they stand in the file (trimmed, unquoted, not cut).
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;
  // The whole line that value comes from.
  std::optional<IniLine> findLine(std::string_view section, std::string_view key) const;
  // The section's index, for many lookups in a row; null when there is no
  // such section. Valid until the next question about another section.
  const IniSectionIndex* section(std::string_view name) const;

  const std::string& bytes() const { return bytes_; }
  // Gives the bytes back (to read the next version of the file into); the
  // document is empty afterwards.
  std::string releaseBytes();

  // Memory held beyond the bytes, for tests and the benchmark.
  std::size_t indexMemoryBytes() const;

 private:
  struct Section {
    std::string name;
    std::unique_ptr<IniSectionIndex> index;  // null: no such section
  };

  std::optional<std::size_t> bodyOf(std::string_view name) const;

  std::string bytes_;
  mutable std::vector<Section> sections_;  // the sections asked about so far
};

}  // namespace lumivox
