#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "common/SystemPages.h"
#include "library/IniLines.h"
#include "library/KeptNames.h"

namespace lumivox {

// The keys of one section of an initialisation file: where the first line of
// every key starts. Built in linear time from the section's lines, and small:
// four bytes a line for line numbers, five for other keys,
// nothing for other lines, so the index of a huge file stays well below the
// file's own size. Entries are offsets into the file's bytes, which the
// caller keeps unchanged for the index's lifetime (files are below 4 GiB).
class IniSectionIndex {
 public:
  // Sizes from which large sections share their work between two threads
  // and file other keys group by group. What the index finds never depends
  // on them; tests set small ones to try every way on small files.
  struct Tuning {
    std::size_t readAheadFrom = std::size_t{2} * 1024 * 1024;  // body bytes: its second half read ahead
    std::size_t slotsPerGroup = 8192;         // other keys filed in groups of about this many table slots
    std::size_t halvesFrom = std::size_t{1} << 18;  // table slots: its two halves filed at once
    std::size_t waitingRoom = 4096;  // keys whose probe runs out of their half, before all is filed again at once
  };

  // Indexes the lines from bodyStart up to the next section line or the end.
  IniSectionIndex(std::string_view bytes, std::size_t bodyStart, Tuning tuning);
  IniSectionIndex(std::string_view bytes, std::size_t bodyStart) : IniSectionIndex(bytes, bodyStart, Tuning{}) {}
  IniSectionIndex(const IniSectionIndex&) = delete;
  IniSectionIndex& operator=(const IniSectionIndex&) = delete;

  // The first key line of that name, in the same bytes.
  std::optional<IniLine> find(std::string_view bytes, std::string_view key) const;

  // Memory held, for tests and the benchmark.
  std::size_t memoryBytes() const;

 private:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  // Line numbers "0", "1", ... as libraries use them, in blocks so the table
  // never moves while it grows; a block exists once a number in it does.
  class NumberedLines {
   public:
    std::uint32_t get(std::size_t number) const;
    // Inline: it runs once a line while a library is indexed. Numbers come
    // mostly in order, so the block of the last one is kept at hand.
    void setIfAbsent(std::size_t number, std::uint32_t offset) {
      const std::size_t block = number >> kBlockBits;
      if (block != lastBlock_) {
        lastEntries_ = block < blocks_.size() ? blocks_[block].get() : nullptr;
        if (!lastEntries_) lastEntries_ = addBlock(block);
        lastBlock_ = block;
      }
      std::uint32_t& slot = lastEntries_[number & ((std::size_t{1} << kBlockBits) - 1)];
      if (slot == kNone) slot = offset;
    }
    std::size_t memoryBytes() const;

   private:
    static constexpr unsigned kBlockBits = 12;
    std::uint32_t* addBlock(std::size_t block);
    std::vector<std::unique_ptr<std::uint32_t[]>> blocks_;
    std::size_t lastBlock_ = static_cast<std::size_t>(-1);
    std::uint32_t* lastEntries_ = nullptr;
  };

  // Every other key: an open-addressing table of line offsets, sized once
  // for its count, so it never grows.
  class NamedLines {
   public:
    // A key line waiting to go in: where it starts and its name's hash.
    using Entry = KeptNames::Entry;
    // Room for that many keys; its slots are emptied by the filing, or by
    // emptyAllSlots() before keys are inserted one by one.
    void reserve(std::size_t count, std::size_t fileBytes);
    void emptyAllSlots() { std::fill_n(slots_, slotCount_, kNone); }
    // Keeps the first line of a name: the lines come in file order. Inserts
    // wait a few lines in a queue, so the memory of their slots is already
    // on its way when they are made (a large table misses the cache at
    // every insert otherwise); flush() makes the waiting ones.
    void insertIfAbsent(const IniSectionIndex& index, std::string_view bytes, Entry entry);
    void flush(const IniSectionIndex& index, std::string_view bytes);
    // Files the kept keys group by group (each group's stretch of the table
    // stays in the cache while it fills), those of both stores in file
    // order, the second's only up to bodyEnd. Either store may be null.
    void fileKept(const IniSectionIndex& index, std::string_view bytes, const KeptNames* first,
                  const KeptNames* second, std::size_t bodyEnd, const Tuning& tuning);
    std::uint32_t find(const IniSectionIndex& index, std::string_view bytes, std::string_view name) const;
    std::size_t memoryBytes() const { return slotCount_ * sizeof(std::uint32_t); }

   private:
    static constexpr std::size_t kQueue = 16;
    std::size_t home(std::uint32_t hash) const;
    std::size_t stretchStart(std::size_t groups, std::size_t group) const;
    struct Part;
    void fileGroups(const IniSectionIndex& index, std::string_view bytes, const KeptNames* first,
                    const KeptNames* second, std::size_t bodyEnd, std::size_t groups, Part& part);
    void insertNow(const IniSectionIndex& index, std::string_view bytes, Entry entry);
    static bool filedHasName(const IniSectionIndex& index, std::string_view bytes, Entry entry, std::uint32_t filed);

    // Taken from the system and given back whole when the index goes: a
    // table of megabytes left among the allocator's blocks could keep the
    // next index of a changed file from finding room.
    SystemPages pages_;
    std::uint32_t* slots_ = nullptr;
    std::size_t slotCount_ = 0;
    Entry queue_[kQueue];
    std::size_t queued_ = 0, queueHead_ = 0;
  };

  // Key lines too long to read again at each lookup: their parts, parsed once.
  struct LongLine {
    std::uint32_t start, nameBegin, nameSize, valueBegin, valueSize, afterEquals, contentEnd, next;
  };

  IniLine keyLineAt(std::string_view bytes, std::uint32_t offset) const;
  // Files the lines one by one (Lines: the walk over them, in the .cpp).
  struct Gathered;
  template <typename Line>
  bool take(std::string_view bytes, const Line& line, Gathered& gathered);  // false: the section ended
  template <typename Lines>
  void gather(std::string_view bytes, Lines& lines, Gathered& gathered);
  template <typename Ahead>
  void gatherAhead(std::string_view bytes, const Ahead& ahead, std::size_t linesBefore, Gathered& gathered);
  void addLongLine(std::string_view bytes, const IniLine& line);
  // Fills the table of other keys by walking the section's lines again.
  void fileNamedAgain(std::string_view bytes, std::size_t bodyStart, std::size_t bodyEnd);

  NumberedLines numbered_;
  NamedLines named_;
  std::vector<LongLine> longLines_;  // in file order
};

}  // namespace lumivox
