#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace lumivox {

// One regular file open for reading: the system's part of readWholeFile, one
// file per platform (RegularFilePosix.cpp, RegularFileWin.cpp). Opening never
// waits, and throws FileError when the file cannot be opened or what was
// opened is not a regular file.
class RegularFile {
 public:
  explicit RegularFile(const std::string& utf8Path);
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  // The size when it was opened.
  std::uint64_t size() const { return size_; }
  // Up to `most` bytes from where the last read ended; 0 at the end. Throws
  // FileError.
  std::size_t readSome(char* into, std::size_t most);

 private:
  std::string path_;  // for the messages
  std::intptr_t handle_ = -1;
  std::uint64_t size_ = 0;
};

}  // namespace lumivox
