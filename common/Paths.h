#pragma once
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace lumivox {

// The one path rule: the current directory at the moment of use, followed by
// a fixed relative path exactly as written (it brings its own leading
// separator). On POSIX a backslash is an ordinary file-name character, so the
// relative path's backslashes become slashes there. Paths are UTF-8.
std::string pathInCurrentDirectory(std::string_view relative);

// The same rule for several relative paths at one moment: the current
// directory is asked for once (the key poll does this 50 times a second).
std::vector<std::string> pathsInCurrentDirectory(std::initializer_list<std::string_view> relatives);

// A UTF-8 path text as the file system wants it.
std::filesystem::path toFsPath(const std::string& utf8Path);

}  // namespace lumivox
