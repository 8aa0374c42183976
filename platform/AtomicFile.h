#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// The one writer of small files: writes the bytes to a temporary file beside
// the target and renames it into place, so a crash or a full disk leaves
// either the old file or the new one, never a truncated one. A symbolic link
// is written through to the file it leads to and stays a link. Where the
// system allows, the temporary has no name until it is complete; otherwise a
// save killed midway leaves it under an unmistakable name ("Save.sav.lumivox-tmp"
// and a suffix), which the next save of that file removes. The folder is
// never created. Throws FileError on any failure, leaving the target as it
// was; a read-only file, or a pipe, device or folder in the file's place, is
// not replaced.
// (Tests ask for the named temporary on any system.)
enum class Temporary { UnnamedWhereAllowed, Named };
void writeFileAtomically(const std::string& utf8Path, std::string_view bytes,
                         Temporary temporary = Temporary::UnnamedWhereAllowed);

// Throws FileError when writeFileAtomically would refuse the file for what
// it is (read-only, not a regular file), without writing anything.
void checkReplaceable(const std::string& utf8Path);

}  // namespace lumivox
