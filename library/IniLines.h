#pragma once
#include <cstddef>
#include <string_view>

namespace lumivox {

// One line of an initialisation file, classified by the profile-file rules:
// a section line "[name]", a key line "key=value", or anything else (which
// carries nothing). Offsets are into the whole file.
//
// A line ends at LF, with or without a CR before it; the last line may end in
// a lone CR or in nothing at all. A CR anywhere else is part of the line.
struct IniLine {
  enum class Kind { Section, Key, Other };
  Kind kind = Kind::Other;
  std::string_view name;   // section name or key, blanks and tabs trimmed
  std::string_view value;  // key lines: trimmed, one pair of matching quotes removed
  std::size_t start = 0;        // first byte of the line
  std::size_t afterEquals = 0;  // key lines: first byte after the '='
  std::size_t contentEnd = 0;   // end of the line without its line end
  std::size_t next = 0;         // first byte of the next line
};

// The line that starts at `start` (which must be below bytes.size()).
IniLine lineAt(std::string_view bytes, std::size_t start);

// Walks the lines of a file.
class IniLineReader {
 public:
  explicit IniLineReader(std::string_view bytes) : bytes_(bytes) {}
  bool next(IniLine& line);
  // The number of the line next() gave last, counted from 1.
  std::size_t lineNumber() const { return lineNumber_; }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::size_t lineNumber_ = 0;
};

}  // namespace lumivox
