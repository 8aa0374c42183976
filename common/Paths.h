#pragma once
#include <chrono>
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

// The same rule for paths a poll needs 50 times a second: each refresh asks
// for the current directory once, and builds the texts again only when it is
// not the one they were built from. Given a time, it asks at most that often:
// the directory moves only when the program itself moves it, and asking costs
// an idle tick more than all the rest of its work.
class PathsInCurrentDirectory {
 public:
  explicit PathsInCurrentDirectory(std::initializer_list<std::string_view> relatives,
                                   std::chrono::milliseconds askAtMostEvery = std::chrono::milliseconds(0));
  // The paths, in the order of the relative paths given.
  const std::vector<std::string>& refresh();
  // Whether the next refresh would ask the system (it always does without a
  // time given).
  bool due() const;

 private:
  std::vector<std::string_view> relatives_;  // string literals: they outlive this
  std::chrono::milliseconds askEvery_;
  std::chrono::steady_clock::time_point askedAt_;
  std::string directory_;
  std::vector<std::string> paths_;
};

// A UTF-8 path text as the file system wants it.
std::filesystem::path toFsPath(const std::string& utf8Path);

}  // namespace lumivox
