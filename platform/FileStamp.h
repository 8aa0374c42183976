#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace lumivox {

// What tells one state of a file from the next: identity, size and times in
// nanoseconds since 1970 (the status change on POSIX, the creation on
// Windows, which has no file identity here: 0).
struct FileStamp {
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t modifiedNs = 0, changedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file, or nothing when there is none at the path
// (missing, a folder; on POSIX a pipe or device too). One file per platform:
// FileStampPosix.cpp, FileStampWin.cpp.
std::optional<FileStamp> fileStampOf(const std::string& utf8Path);

}  // namespace lumivox
