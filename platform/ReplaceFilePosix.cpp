#include "platform/ReplaceFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileRead.h"

namespace lumivox {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTemporaryMark = ".lumivox-tmp-";

// Permissions for the new file: those of the file it replaces, or what a
// plain create would give under the current umask.
mode_t modeForReplacement(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A temporary of this file whose writer holds no lock on it was left by a
// save that was killed: the lock dies with its process. Removed; one still
// being written (by another instance) stays.
void removeLeftovers(const fs::path& target) {
  const std::string prefix = target.filename().string() + kTemporaryMark;
  std::error_code ec;
  for (fs::directory_iterator it(target.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    if (path.filename().string().rfind(prefix, 0) != 0) continue;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(path.c_str());
    ::close(fd);
  }
}

// A file in that folder with no name at all, where the file system allows:
// nothing is left of it if the save is cut short. -1 where it cannot be had.
int openUnnamed([[maybe_unused]] const fs::path& folder) {
#ifdef O_TMPFILE
  return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
#else
  return -1;
#endif
}

}  // namespace

// A file marked read-only is not ours to replace, though renaming over it
// would succeed (for root even writing would): refuse it as Windows does.
// Nor is a pipe, a device or a folder in the file's place.
void refuseToReplace(const fs::path& target, const std::string& utf8Path) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return;  // a new file
  if (!S_ISREG(st.st_mode)) throw FileError(utf8Path + " is not a regular file");
  if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) throw FileError(utf8Path + " is read-only");
}

void replaceFile(fs::path target, std::string_view bytes, Temporary temporary, const std::string& utf8Path) {
  if (!target.has_parent_path()) target = "." / target;
  refuseToReplace(target, utf8Path);
  const mode_t mode = modeForReplacement(target.string());
  removeLeftovers(target);

  // Complete before it has a name where the system allows; otherwise named
  // as this file's temporary from the start. Locked while it has a name, so
  // no other save takes it for a leftover.
  const std::string temp = target.string() + kTemporaryMark + std::to_string(::getpid());
  bool named = false;
  int fd = temporary == Temporary::Named ? -1 : openUnnamed(target.parent_path());
  if (fd < 0) {
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    named = fd >= 0;
  }
  if (fd < 0) throw FileError("cannot create " + utf8Path + ": " + std::strerror(errno));
  bool ok = ::flock(fd, LOCK_EX) == 0 && ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  if (ok && !named) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    ok = named = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
  }
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  const int error = errno;
  if (!ok && named) ::unlink(temp.c_str());
  ::close(fd);
  if (!ok) throw FileError("cannot write " + utf8Path + ": " + std::strerror(error));
}

}  // namespace lumivox
