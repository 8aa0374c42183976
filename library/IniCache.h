#pragma once
#include <map>
#include <memory>
#include <string>

namespace lumivox {

class IniDocument;

// Parsed initialisation files by path, so a lookup in an unchanged library
// does not read it again. A file is read again as soon as its identity, size,
// modification time or status-change time differs from what was read. A file
// changed within the last two seconds before it was read is not trusted yet
// (timestamps are coarser than writes can follow each other), so it is read
// at every lookup until it has been quiet for that long. The old copy of a
// file is let go before the new one is read, so memory never holds both.
class IniCache {
 public:
  // The document at the path, or null when the file is missing or unreadable.
  std::shared_ptr<const IniDocument> document(const std::string& utf8Path);
  // Drops what is kept of a file, after the program itself wrote it.
  void forget(const std::string& utf8Path);

  // The cache of the calling thread: the GUI thread's, or a background
  // job's own, so that no two threads ever share one.
  static IniCache& shared();

 private:
  struct Entry;
  std::map<std::string, std::shared_ptr<Entry>> entries_;
};

}  // namespace lumivox
