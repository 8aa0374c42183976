#include "common/FileRead.h"

#include <fstream>

#include "common/Paths.h"

namespace lumivox {

std::string readWholeFile(const std::string& utf8Path, std::size_t maxBytes) {
  std::ifstream in(toFsPath(utf8Path), std::ios::binary);
  if (!in) throw FileError("cannot open " + utf8Path);
  std::string bytes;
  char chunk[64 * 1024];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > maxBytes) throw FileError(utf8Path + " is too large");
  }
  if (in.bad()) throw FileError("cannot read " + utf8Path);
  return bytes;
}

}  // namespace lumivox
