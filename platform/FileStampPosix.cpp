#include "platform/FileStamp.h"

#include <sys/stat.h>

namespace lumivox {

std::optional<FileStamp> fileStampOf(const std::string& utf8Path) {
  struct stat st {};
  // Only a regular file is ever opened: a pipe or device is unreadable.
  if (::stat(utf8Path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  FileStamp stamp;
  stamp.device = static_cast<std::uint64_t>(st.st_dev);
  stamp.inode = static_cast<std::uint64_t>(st.st_ino);
  stamp.size = static_cast<std::uint64_t>(st.st_size);
  stamp.modifiedNs = std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
  stamp.changedNs = std::int64_t{st.st_ctim.tv_sec} * 1'000'000'000 + st.st_ctim.tv_nsec;
  return stamp;
}

}  // namespace lumivox
