#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace lumivox {

// The one path rule: the current directory at the moment of use, followed by
// a fixed relative path exactly as written (it brings its own leading
// separator). On POSIX a backslash is an ordinary file-name character, so the
// relative path's backslashes become slashes there. Paths are UTF-8.
std::string pathInCurrentDirectory(std::string_view relative);

// A UTF-8 path text as the file system wants it.
std::filesystem::path toFsPath(const std::string& utf8Path);

}  // namespace lumivox
