#include "platform/AtomicFile.h"

#include <filesystem>

#include "common/Paths.h"
#include "platform/FileRead.h"
#include "platform/ReplaceFile.h"

namespace lumivox {
namespace {

namespace fs = std::filesystem;

// Where a path leads through any symbolic links: the file that is replaced,
// so a link stays a link.
fs::path finalTarget(const std::string& utf8Path) {
  fs::path path = toFsPath(utf8Path);
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  throw FileError("cannot follow the link " + utf8Path);
}

}  // namespace

void checkReplaceable(const std::string& utf8Path) { refuseToReplace(finalTarget(utf8Path), utf8Path); }

void writeFileAtomically(const std::string& utf8Path, std::string_view bytes, Temporary temporary) {
  replaceFile(finalTarget(utf8Path), bytes, temporary, utf8Path);
}

}  // namespace lumivox
