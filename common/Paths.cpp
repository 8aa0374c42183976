#include "common/Paths.h"

#include <algorithm>

namespace lumivox {

namespace {

std::string currentDirectory() {
  const std::u8string dir = std::filesystem::current_path().u8string();
  return std::string(dir.begin(), dir.end());
}

// The relative path appended as the rule wants it. Where the backslash
// separates folders already it stays; elsewhere it would be part of a name.
std::string withRelative(std::string path, std::string_view relative) {
  const std::size_t dirLength = path.size();
  path.append(relative);
  if constexpr (std::filesystem::path::preferred_separator != '\\')
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(dirLength), path.end(), '\\', '/');
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
  std::string directory = currentDirectory();
  if (directory == directory_ && paths_.size() == relatives_.size()) return paths_;
  directory_ = std::move(directory);
  paths_.clear();
  for (std::string_view relative : relatives_) paths_.push_back(withRelative(directory_, relative));
  return paths_;
}

std::filesystem::path toFsPath(const std::string& utf8Path) {
  return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

}  // namespace lumivox
