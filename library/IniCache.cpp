#include "library/IniCache.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "common/FileRead.h"
#include "common/Paths.h"
#include "library/IniDocument.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace lumivox {
namespace {

constexpr std::int64_t kQuietNanoseconds = 2'000'000'000;
constexpr std::size_t kMaxCachedFiles = 16;

struct FileStamp {
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t modifiedNs = 0, changedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> stampOf(const std::string& path) {
#ifdef _WIN32
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(toFsPath(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
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
#else
  struct stat st {};
  // Only a regular file is ever opened: a pipe or device is unreadable.
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  FileStamp stamp;
  stamp.device = static_cast<std::uint64_t>(st.st_dev);
  stamp.inode = static_cast<std::uint64_t>(st.st_ino);
  stamp.size = static_cast<std::uint64_t>(st.st_size);
  stamp.modifiedNs = std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
  stamp.changedNs = std::int64_t{st.st_ctim.tv_sec} * 1'000'000'000 + st.st_ctim.tv_nsec;
  return stamp;
#endif
}

std::int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

struct IniCache::Entry {
  FileStamp stamp;
  bool trusted = false;
  std::shared_ptr<IniDocument> document;
};

IniCache& IniCache::shared() {
  static IniCache cache;
  return cache;
}

void IniCache::forget(const std::string& path) { entries_.erase(path); }

std::shared_ptr<const IniDocument> IniCache::document(const std::string& path) {
  const auto stamp = stampOf(path);
  if (!stamp) {
    forget(path);
    return nullptr;
  }
  std::string bytes;
  if (auto it = entries_.find(path); it != entries_.end()) {
    if (it->second->trusted && it->second->stamp == *stamp) return it->second->document;
    // The old copy goes before the new one comes, so a file read again never
    // takes twice its size; its buffer is reused when nobody else holds it.
    if (it->second->document.use_count() == 1) bytes = it->second->document->releaseBytes();
    entries_.erase(it);
  }

  auto entry = std::make_shared<Entry>();
  try {
    const std::int64_t readAt = nowNs();
    readWholeFile(path, kMaxIniFileBytes, bytes);
    // A much shorter file than the last one does not keep the old buffer's size.
    if (bytes.capacity() / 2 > bytes.size() + 4096) bytes.shrink_to_fit();
    entry->document = std::make_shared<IniDocument>(std::move(bytes));
    const auto after = stampOf(path);
    entry->stamp = after ? *after : FileStamp{};
    // While a recent file is not trusted yet, it is read at every lookup.
    entry->trusted = after && *after == *stamp &&
                     readAt - std::max(stamp->modifiedNs, stamp->changedNs) > kQuietNanoseconds;
  } catch (const std::exception&) {  // unreadable, too large, out of memory
    return nullptr;
  }
  if (entries_.size() >= kMaxCachedFiles) entries_.clear();
  entries_[path] = entry;
  return entry->document;
}

}  // namespace lumivox
