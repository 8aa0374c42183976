#include "platform/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileRead.h"

namespace lumivox {

namespace {
std::string reason() { return std::strerror(errno); }
}  // namespace

RegularFile::RegularFile(const std::string& utf8Path) : path_(utf8Path) {
  // Look before opening: opening a device can do things of its own.
  struct stat st {};
  if (::stat(path_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) throw FileError(path_ + " is not a regular file");
  // Non-blocking: a pipe put in place meanwhile must not stop the caller.
  const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw FileError("cannot open " + path_ + ": " + reason());
  // Closed again should the checks below fail: no destructor runs then.
  struct CloseUnlessKept {
    int fd;
    bool kept = false;
    ~CloseUnlessKept() {
      if (!kept) ::close(fd);
    }
  } opened{fd};
  // What counts is what was opened, not what the name pointed to a moment ago.
  if (::fstat(fd, &st) != 0) throw FileError("cannot read " + path_ + ": " + reason());
  if (!S_ISREG(st.st_mode)) throw FileError(path_ + " is not a regular file");
  // A negative size is no size a reader could take: larger than any limit.
  size_ = st.st_size < 0 ? std::numeric_limits<std::uint64_t>::max() : static_cast<std::uint64_t>(st.st_size);
  handle_ = fd;
  opened.kept = true;
}

RegularFile::~RegularFile() { ::close(static_cast<int>(handle_)); }

std::size_t RegularFile::readSome(char* into, std::size_t most) {
  for (;;) {
    const ssize_t got = ::read(static_cast<int>(handle_), into, most);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) throw FileError("cannot read " + path_ + ": " + reason());
  }
}

}  // namespace lumivox
