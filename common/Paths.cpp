#include "common/Paths.h"

#include <algorithm>

#ifndef _WIN32
#include <cerrno>
#include <unistd.h>
#endif

namespace lumivox {

namespace {

// The key poll asks for this 50 times a second; on POSIX getcwd is far
// cheaper than building a std::filesystem::path.
std::string currentDirectory() {
#ifdef _WIN32
  const std::u8string dir = std::filesystem::current_path().u8string();
  return std::string(dir.begin(), dir.end());
#else
  std::string dir(256, '\0');
  while (!::getcwd(dir.data(), dir.size())) {
    if (errno != ERANGE) throw std::filesystem::filesystem_error("getcwd", std::error_code(errno, std::generic_category()));
    dir.resize(dir.size() * 2);
  }
  dir.resize(dir.find('\0'));
  return dir;
#endif
}

// The relative path appended as the rule wants it.
std::string withRelative(std::string path, std::string_view relative) {
#ifdef _WIN32
  path.append(relative);
#else
  const std::size_t dirLength = path.size();
  path.append(relative);
  std::replace(path.begin() + static_cast<std::ptrdiff_t>(dirLength), path.end(), '\\', '/');
#endif
  return path;
}

}  // namespace

std::string pathInCurrentDirectory(std::string_view relative) { return withRelative(currentDirectory(), relative); }

PathsInCurrentDirectory::PathsInCurrentDirectory(std::initializer_list<std::string_view> relatives,
                                                 std::chrono::milliseconds askAtMostEvery)
    : relatives_(relatives), askEvery_(askAtMostEvery) {}

bool PathsInCurrentDirectory::due() const {
  return askEvery_.count() <= 0 || paths_.size() != relatives_.size() ||
         std::chrono::steady_clock::now() - askedAt_ >= askEvery_;
}

const std::vector<std::string>& PathsInCurrentDirectory::refresh() {
  if (!due()) return paths_;
  askedAt_ = std::chrono::steady_clock::now();
#ifdef _WIN32
  const std::string asked = currentDirectory();
  const std::string_view directory = asked;
#else
  // Onto the stack first: an unchanged directory then needs no memory.
  char buffer[4096];
  std::string longer;
  std::string_view directory;
  if (::getcwd(buffer, sizeof buffer)) {
    directory = buffer;
  } else {
    longer = currentDirectory();  // longer than the buffer, or an error to report
    directory = longer;
  }
#endif
  if (directory == directory_ && paths_.size() == relatives_.size()) return paths_;
  directory_ = std::string(directory);
  paths_.clear();
  for (std::string_view relative : relatives_) paths_.push_back(withRelative(directory_, relative));
  return paths_;
}

std::filesystem::path toFsPath(const std::string& utf8Path) {
  return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

}  // namespace lumivox
