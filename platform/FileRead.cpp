#include "platform/FileRead.h"

#include "platform/RegularFile.h"

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

void readWholeFile(const std::string& utf8Path, std::size_t maxBytes, std::string& into) {
  EmptyUnlessRead guard{into};
  RegularFile file(utf8Path);
  if (file.size() > maxBytes) throw FileError(utf8Path + " is too large");
  makeRoom(into, static_cast<std::size_t>(file.size()));
  std::size_t done = 0;
  while (done < into.size()) {
    const std::size_t got = file.readSome(into.data() + done, into.size() - done);
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  into.resize(done);
  guard.read = true;
}

std::string readWholeFile(const std::string& utf8Path, std::size_t maxBytes) {
  std::string bytes;
  readWholeFile(utf8Path, maxBytes, bytes);
  return bytes;
}

}  // namespace lumivox
