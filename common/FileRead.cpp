#include "common/FileRead.h"

#include <filesystem>
#include <fstream>

#include "common/Paths.h"

namespace lumivox {

std::string readWholeFile(const std::string& utf8Path, std::size_t maxBytes) {
  std::error_code ec;
  // A folder opens like a file on some systems and then reads as empty.
  if (std::filesystem::is_directory(toFsPath(utf8Path), ec)) throw FileError(utf8Path + " is a folder");
  std::ifstream in(toFsPath(utf8Path), std::ios::binary);
  if (!in) throw FileError("cannot open " + utf8Path);
  std::string bytes;
  // Size the buffer once when the file tells its size; growing stays the
  // fallback for files that do not (pipes, files still being written).
  in.seekg(0, std::ios::end);
  const auto size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0 && static_cast<std::size_t>(size) <= maxBytes) bytes.reserve(static_cast<std::size_t>(size));
  char chunk[64 * 1024];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > maxBytes) throw FileError(utf8Path + " is too large");
  }
  if (in.bad()) throw FileError("cannot read " + utf8Path);
  return bytes;
}

}  // namespace lumivox
