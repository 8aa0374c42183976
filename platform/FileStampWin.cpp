#include "platform/FileStamp.h"

#include <windows.h>

#include "common/Paths.h"

namespace lumivox {

std::optional<FileStamp> fileStampOf(const std::string& utf8Path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(toFsPath(utf8Path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  FileStamp stamp;
  stamp.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  // FILETIME counts 100 ns from 1601; turn it into ns since 1970.
  auto toUnixNs = [](FILETIME t) {
    const std::int64_t ticks = static_cast<std::int64_t>((std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime);
    return (ticks - 116444736000000000LL) * 100;
  };
  stamp.modifiedNs = toUnixNs(data.ftLastWriteTime);
  stamp.changedNs = toUnixNs(data.ftCreationTime);
  return stamp;
}

}  // namespace lumivox
