#include "common/FileRead.h"

#include <cstdint>

#include "common/Paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lumivox {

namespace {
// Makes room for exactly `size` bytes. A buffer too small is let go before
// the new one is taken (growing it in place would hold both, and a string
// grows to twice its size).
void makeRoom(std::string& buffer, std::size_t size) {
  if (size > buffer.capacity()) {
    std::string().swap(buffer);  // assigning an empty string would keep the old memory
    buffer.reserve(size);
  }
  buffer.resize(size);
}

// The buffer's old bytes are overwritten by the read, so they are not
// cleared first (which would cost as much as the read); on any failure the
// buffer is left empty.
struct EmptyUnlessRead {
  std::string& buffer;
  bool read = false;
  ~EmptyUnlessRead() {
    if (!read) buffer.clear();
  }
};
}  // namespace

#ifdef _WIN32

namespace {
struct HandleCloser {
  HANDLE handle;
  ~HandleCloser() { CloseHandle(handle); }
};
}  // namespace

void readWholeFile(const std::string& utf8Path, std::size_t maxBytes, std::string& into) {
  EmptyUnlessRead guard{into};
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open at all.
  HANDLE file = CreateFileW(toFsPath(utf8Path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw FileError("cannot open " + utf8Path);
  HandleCloser closer{file};
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    throw FileError(utf8Path + " is not a regular file");
  const std::uint64_t size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  if (size > maxBytes) throw FileError(utf8Path + " is too large");
  makeRoom(into, static_cast<std::size_t>(size));
  std::size_t done = 0;
  while (done < into.size()) {
    const std::size_t left = into.size() - done;
    const DWORD want = static_cast<DWORD>(left < (1u << 30) ? left : (1u << 30));
    DWORD got = 0;
    if (!ReadFile(file, into.data() + done, want, &got, nullptr)) throw FileError("cannot read " + utf8Path);
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  into.resize(done);
  guard.read = true;
}

#else

namespace {
struct FdCloser {
  int fd;
  ~FdCloser() { ::close(fd); }
};

std::string reason() { return std::strerror(errno); }
}  // namespace

void readWholeFile(const std::string& utf8Path, std::size_t maxBytes, std::string& into) {
  EmptyUnlessRead guard{into};
  // Look before opening: opening a device can do things of its own.
  struct stat st {};
  if (::stat(utf8Path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
    throw FileError(utf8Path + " is not a regular file");
  // Non-blocking: a pipe put in place meanwhile must not stop the caller.
  const int fd = ::open(utf8Path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw FileError("cannot open " + utf8Path + ": " + reason());
  FdCloser closer{fd};
  // What counts is what was opened, not what the name pointed to a moment ago.
  if (::fstat(fd, &st) != 0) throw FileError("cannot read " + utf8Path + ": " + reason());
  if (!S_ISREG(st.st_mode)) throw FileError(utf8Path + " is not a regular file");
  if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > maxBytes)
    throw FileError(utf8Path + " is too large");
  makeRoom(into, static_cast<std::size_t>(st.st_size));
  std::size_t done = 0;
  while (done < into.size()) {
    const ssize_t got = ::read(fd, into.data() + done, into.size() - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw FileError("cannot read " + utf8Path + ": " + reason());
    }
    if (got == 0) break;  // the file shrank meanwhile
    done += static_cast<std::size_t>(got);
  }
  into.resize(done);
  guard.read = true;
}

#endif

std::string readWholeFile(const std::string& utf8Path, std::size_t maxBytes) {
  std::string bytes;
  readWholeFile(utf8Path, maxBytes, bytes);
  return bytes;
}

}  // namespace lumivox
