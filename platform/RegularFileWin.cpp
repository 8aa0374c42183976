#include "platform/RegularFile.h"

#include <windows.h>

#include "common/Paths.h"
#include "platform/FileRead.h"

namespace lumivox {

RegularFile::RegularFile(const std::string& utf8Path) : path_(utf8Path) {
  // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open at all.
  HANDLE file = CreateFileW(toFsPath(path_).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw FileError("cannot open " + path_);
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    CloseHandle(file);
    throw FileError(path_ + " is not a regular file");
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  size_ = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
}

RegularFile::~RegularFile() { CloseHandle(reinterpret_cast<HANDLE>(handle_)); }

std::size_t RegularFile::readSome(char* into, std::size_t most) {
  const DWORD want = static_cast<DWORD>(most < (1u << 30) ? most : (1u << 30));
  DWORD got = 0;
  if (!ReadFile(reinterpret_cast<HANDLE>(handle_), into, want, &got, nullptr))
    throw FileError("cannot read " + path_);
  return got;
}

}  // namespace lumivox
