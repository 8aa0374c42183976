#include "common/AtomicFile.h"

#include <filesystem>

#include "common/FileRead.h"
#include "common/Paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifdef _WIN32

void writeFileAtomically(const std::string& utf8Path, std::string_view bytes, Temporary) {
  const std::wstring target = finalTarget(utf8Path).wstring();
  // Replacing a read-only file fails on Windows itself but not everywhere
  // its API is offered; refuse it here so the rule holds wherever we run.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
      !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    throw FileError(utf8Path + " is read-only");
  // One name a file: what a killed save left there is overwritten by the next.
  const std::wstring temp = target + L".lumivox-tmp";
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw FileError("cannot create " + utf8Path);
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  if (!ok || !MoveFileExW(temp.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temp.c_str());
    throw FileError("cannot write " + utf8Path);
  }
}

#else

namespace {

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

// A file marked read-only is not ours to replace, though renaming over it
// would succeed (for root even writing would): refuse it as Windows does.
// Nor is a pipe, a device or a folder in the file's place.
void refuseToReplace(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return;  // a new file
  if (!S_ISREG(st.st_mode)) throw FileError(path + " is not a regular file");
  if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) throw FileError(path + " is read-only");
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

void writeFileAtomically(const std::string& utf8Path, std::string_view bytes, Temporary temporary) {
  fs::path target = finalTarget(utf8Path);
  if (!target.has_parent_path()) target = "." / target;
  refuseToReplace(target.string());
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

#endif

}  // namespace lumivox
