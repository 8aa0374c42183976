#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// The one writer of small files: writes the bytes to a temporary file beside
// the target and renames it into place, so a crash or a full disk leaves
// either the old file or the new one, never a truncated one. The folder is
// never created. Throws FileError on any failure, leaving the target as it was.
void writeFileAtomically(const std::string& utf8Path, std::string_view bytes);

}  // namespace lumivox
