#include "common/AtomicFile.h"

#include "common/FileRead.h"
#include "common/Paths.h"

#ifdef _WIN32
#include <windows.h>
#include <cstdio>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lumivox {

#ifdef _WIN32

void writeFileAtomically(const std::string& utf8Path, std::string_view bytes) {
  const std::wstring target = toFsPath(utf8Path).wstring();
  // Replacing a read-only file fails on Windows itself but not everywhere
  // its API is offered; refuse it here so the rule holds wherever we run.
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
      !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    throw FileError(utf8Path + " is read-only");
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

// A file marked read-only is not ours to replace, though renaming over it
// would succeed (for root even writing would): refuse it as Windows does.
bool isReadOnly(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
  if (isReadOnly(path)) throw FileError(path + " is read-only");
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) throw FileError("cannot create " + path + ": " + std::strerror(errno));
  const bool ok = ::fchmod(fd, modeForReplacement(path)) == 0 && writeAll(fd, bytes) &&
                  ::fsync(fd) == 0;
  const int savedErrno = errno;
  if (::close(fd) != 0 || !ok || ::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = ok ? errno : savedErrno;
    ::unlink(temp.c_str());
    throw FileError("cannot write " + path + ": " + std::strerror(err));
  }
}

#endif

}  // namespace lumivox
