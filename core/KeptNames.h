#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lumivox {

// Key lines set aside while a section is read, to be filed in its table of
// names afterwards. They are grouped by the top bits of their name's hash,
// and the table places a name by those same bits, so each group fills one
// short stretch of the table: a stretch that stays in the cache while it is
// filled, where keys in file order would each land somewhere in a table of
// tens of megabytes. Within a group the keys keep file order.
class KeptNames {
 public:
  struct Entry {
    std::uint32_t offset, hash;  // where the line starts; its name's hash
  };

  // Room for atMost keys in 2^groupBits groups. Memory becomes resident only
  // as keys arrive.
  KeptNames(std::size_t atMost, unsigned groupBits);
  KeptNames(const KeptNames&) = delete;
  KeptNames& operator=(const KeptNames&) = delete;

  // False, keeping nothing, once atMost keys are kept.
  bool add(Entry entry) {
    if (size_ == atMost_) return false;
    const std::size_t group = groupOf(entry.hash);
    if (tailFill_[group] == kChunk) {
      const std::uint32_t chunk = chunksUsed_++;
      if (head_[group] == kNoChunk) {
        head_[group] = chunk;
      } else {
        nextChunk_[tail_[group]] = chunk;
      }
      tail_[group] = chunk;
      tailFill_[group] = 0;
    }
    entries_[std::size_t{tail_[group]} * kChunk + tailFill_[group]++] = entry;
    ++size_;
    return true;
  }

  std::size_t size() const { return size_; }
  std::size_t groups() const { return head_.size(); }
  // The group of a name's hash: groups() equal ranges of its top bits.
  std::size_t groupOf(std::uint32_t hash) const {
    return groupBits_ == 0 ? 0 : static_cast<std::size_t>(hash >> (32 - groupBits_));
  }

  // The keys of one group, in the order they were added.
  template <typename Visit>
  void forEachIn(std::size_t group, Visit&& visit) const {
    for (std::uint32_t chunk = head_[group]; chunk != kNoChunk; chunk = nextChunk_[chunk]) {
      // Chunks lie anywhere: the next one is asked for while this one is read.
      if (nextChunk_[chunk] != kNoChunk) {
        const char* next = reinterpret_cast<const char*>(&entries_[std::size_t{nextChunk_[chunk]} * kChunk]);
        for (std::size_t line = 0; line < kChunk * sizeof(Entry); line += 64) __builtin_prefetch(next + line);
      }
      const Entry* entries = &entries_[std::size_t{chunk} * kChunk];
      const std::size_t count = chunk == tail_[group] ? tailFill_[group] : kChunk;
      for (std::size_t i = 0; i < count; ++i) visit(entries[i]);
    }
  }

  // The group count for a section in a file of that many bytes: about
  // slotsPerGroup table slots to a group (a table has at most one slot
  // for every sixteen bytes of its file).
  static unsigned groupBitsFor(std::size_t fileBytes, std::size_t slotsPerGroup);

 private:
  // A group's keys go in chunks of this many: small, since each group's
  // last chunk is mostly empty.
  static constexpr std::size_t kChunk = 128;
  static constexpr std::uint32_t kNoChunk = 0xFFFFFFFFu;

  unsigned groupBits_;
  std::size_t atMost_, size_ = 0;
  std::unique_ptr<Entry[]> entries_;  // not initialised: pages are touched as chunks fill
  std::vector<std::uint32_t> nextChunk_;
  std::vector<std::uint32_t> head_, tail_;
  std::vector<std::uint16_t> tailFill_;
  std::uint32_t chunksUsed_ = 0;
};

}  // namespace lumivox
