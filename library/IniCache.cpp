#include "library/IniCache.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "library/IniDocument.h"
#include "platform/FileRead.h"
#include "platform/FileStamp.h"

namespace lumivox {
namespace {

constexpr std::int64_t kQuietNanoseconds = 2'000'000'000;
constexpr std::size_t kMaxCachedFiles = 16;

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
  thread_local IniCache cache;
  return cache;
}

void IniCache::forget(const std::string& path) { entries_.erase(path); }

std::shared_ptr<const IniDocument> IniCache::document(const std::string& path) {
  const auto stamp = fileStampOf(path);
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
    const auto after = fileStampOf(path);
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
