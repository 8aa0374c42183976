#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumivox {

// The comma/line field format of the hotkey and progress files: a field ends
// at a comma or a line end (CR LF, LF or CR), leading blanks and tabs are
// skipped, and a field in double quotes is taken without them (anything after
// the closing quote up to the field's end is dropped). An empty line is one
// empty field.
std::vector<std::string> splitFields(std::string_view content);

// The last field of the content, which is the one the readers keep; empty
// text when there is none.
std::string lastField(std::string_view content);

// lastField of a small file; throws FileError when it cannot be read.
std::string readLastField(const std::string& utf8Path);

}  // namespace lumivox
