#pragma once
#include <string>
#include <string_view>

namespace lumivox {

// Stores a value under section and key of an initialisation file, creating
// the file, the section or the key when missing and replacing the old value
// otherwise; every other byte of the file stays as it was (a last line that
// ends in a lone CR or in nothing gets the rest of a line end, so the new
// entry has a line of its own). The value is
// written in GBK and ends at its first line break (a value cannot hold one).
// The file is replaced atomically; a symbolic link is written through to the
// file it leads to and stays a link. Throws FileError, leaving the file as it
// was, when it cannot be read or written, is not a regular file, or is
// read-only.
void writeIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

// The bytes of a file after that change, without touching the disk; all
// arguments in the file's code page.
std::string withIniValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace lumivox
