#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumivox {

// A hotkey or progress file larger than this is not one of ours.
inline constexpr std::size_t kMaxFieldFileBytes = 1024 * 1024;

// The comma/line field format of the hotkey and progress files: a field ends
// at a comma or a line end (CR LF, LF or CR), leading blanks and tabs are
// skipped, and a field in double quotes is taken without them (anything after
// the closing quote up to the field's end is dropped). An empty line is one
// empty field.
std::vector<std::string> splitFields(std::string_view content);

// A field with the place it starts at in the content: its first byte after
// the blanks (the opening quote of a quoted field).
struct PlacedField {
  std::string text;
  std::size_t start = 0;
};
std::vector<PlacedField> placedFields(std::string_view content);

// The last field of the content, which is the one the readers keep; empty
// text when there is none.
std::string lastField(std::string_view content);

}  // namespace lumivox
