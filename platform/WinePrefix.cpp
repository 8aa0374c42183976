#include "platform/WinePrefix.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace lumivox {
namespace {

namespace fs = std::filesystem;

char32_t foldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;     // Latin-1
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;               // Cyrillic
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;  // full-width Latin
  return c;
}

// The name's characters with their case folded. A byte that does not belong
// to a UTF-8 sequence stands for itself, apart from every character.
std::u32string folded(std::string_view name) {
  std::u32string result;
  for (std::size_t i = 0; i < name.size();) {
    const auto byte = static_cast<unsigned char>(name[i]);
    const std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 0;
    char32_t c = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
    bool whole = length > 0 && i + length <= name.size();
    for (std::size_t k = 1; whole && k < length; ++k) {
      const auto next = static_cast<unsigned char>(name[i + k]);
      whole = (next & 0xC0) == 0x80;
      c = c << 6 | (next & 0x3F);
    }
    if (!whole) {
      result += static_cast<char32_t>(0x110000 + byte);
      ++i;
      continue;
    }
    result += foldCase(c);
    i += length;
  }
  return result;
}

// The entry of the folder that a Windows name names: itself, else the first
// one equal to it but for case.
std::optional<fs::path> entryNamed(const fs::path& folder, const std::string& name) {
  std::error_code error;
  if (fs::exists(folder / name, error)) return folder / name;
  const std::u32string wanted = folded(name);
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
    if (folded(entry->path().filename().string()) == wanted) return entry->path();
  return std::nullopt;
}

}  // namespace

std::string winePrefixFolder() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
  std::string home;
  if (const char* variable = std::getenv("HOME"); variable && *variable) {
    home = variable;
  } else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) {
    home = user->pw_dir;
  }
  return home + "/.wine";
}

bool isWinePrefix(const std::string& folder) {
  std::error_code error;
  return !folder.empty() && fs::is_regular_file(fs::path(folder) / "system.reg", error);
}

std::optional<std::string> unixPathInPrefix(const std::string& prefix, std::string_view windowsPath) {
  const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
  const bool hasDrive = windowsPath.size() >= 3 && windowsPath[1] == ':' && isSeparator(windowsPath[2]) &&
                        ((windowsPath[0] >= 'A' && windowsPath[0] <= 'Z') || (windowsPath[0] >= 'a' && windowsPath[0] <= 'z'));
  if (prefix.empty() || !hasDrive) return std::nullopt;

  std::vector<std::string> names;
  for (std::size_t start = 3; start <= windowsPath.size();) {
    std::size_t end = start;
    while (end < windowsPath.size() && !isSeparator(windowsPath[end])) ++end;
    const std::string_view name = windowsPath.substr(start, end - start);
    if (name == "..") {
      if (!names.empty()) names.pop_back();
    } else if (!name.empty() && name != ".") {
      names.emplace_back(name);
    }
    start = end + 1;
  }

  const char drive = static_cast<char>(windowsPath[0] | 0x20);
  fs::path path = fs::path(prefix) / "dosdevices" / std::string{drive, ':'};
  std::error_code error;
  if (!fs::is_directory(path, error)) return std::nullopt;
  for (const std::string& name : names) {
    const std::optional<fs::path> entry = entryNamed(path, name);
    if (!entry) return std::nullopt;
    path = *entry;
  }
  return path.string();
}

}  // namespace lumivox
