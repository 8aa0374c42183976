#include "common/Paths.h"

#include <algorithm>

namespace lumivox {

std::string pathInCurrentDirectory(std::string_view relative) {
  const std::u8string dir = std::filesystem::current_path().u8string();
  std::string path(dir.begin(), dir.end());
  path.append(relative);
#ifndef _WIN32
  std::replace(path.begin() + static_cast<std::ptrdiff_t>(dir.size()), path.end(), '\\', '/');
#endif
  return path;
}

std::filesystem::path toFsPath(const std::string& utf8Path) {
  return std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end()));
}

}  // namespace lumivox
