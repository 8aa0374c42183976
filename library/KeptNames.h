#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/SystemPages.h"

namespace lumivox {

// Key lines set aside while a section is read, to be filed in its table of
// names afterwards. They are grouped by the top bits of their name's hash,
// and the table places a name by those same bits, so each group fills one
// short stretch of the table: a stretch that stays in the cache while it is
// filled, where keys in file order would each land somewhere in a table of
// tens of megabytes. Within a group the keys keep file order.
class alignas(64) KeptNames {  // alignas: two threads fill one each, side by side
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
      if (chunk % kChunksPrepared == 0) pages_.prepare(std::size_t{chunk} * kChunkBytes, kChunksPrepared * kChunkBytes);
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

  std::size_t groups() const { return head_.size(); }
  // The group of a name's hash: groups() equal ranges of its top bits.
  std::size_t groupOf(std::uint32_t hash) const {
    return groupBits_ == 0 ? 0 : static_cast<std::size_t>(hash >> (32 - groupBits_));
  }

  // Asks for a group's first chunk ahead of reading it.
  void prefetch(std::size_t group) const {
    if (group >= groups() || head_[group] == kNoChunk) return;
    prefetchChunk(head_[group]);
    __builtin_prefetch(&nextChunk_[head_[group]]);
  }

  // Reads the keys of one group in the order they were added.
  class Reader {
   public:
    Reader(const KeptNames* kept, std::size_t group)  // kept null: no keys
        : kept_(kept), chunk_(kept ? kept->head_[group] : kNoChunk), group_(group) {
      enter();
    }
    bool done() const { return chunk_ == kNoChunk; }
    const Entry& entry() const { return entries_[index_]; }
    void advance() {
      if (++index_ < count_) return;
      chunk_ = kept_->nextChunk_[chunk_];
      enter();
    }

   private:
    void enter() {
      index_ = 0;
      if (chunk_ == kNoChunk) return;
      entries_ = &kept_->entries_[std::size_t{chunk_} * kChunk];
      count_ = chunk_ == kept_->tail_[group_] ? kept_->tailFill_[group_] : kChunk;
      // Chunks lie anywhere: the next one is asked for while this one is read.
      if (const std::uint32_t next = kept_->nextChunk_[chunk_]; next != kNoChunk) kept_->prefetchChunk(next);
    }

    const KeptNames* kept_;
    std::uint32_t chunk_;
    std::size_t group_, index_ = 0, count_ = 0;
    const Entry* entries_ = nullptr;
  };

  // The group count for a section in a file of that many bytes: about
  // slotsPerGroup table slots to a group (a table has at most one slot
  // for every sixteen bytes of its file).
  static unsigned groupBitsFor(std::size_t fileBytes, std::size_t slotsPerGroup);

 private:
  void prefetchChunk(std::uint32_t chunk) const {
    const char* bytes = reinterpret_cast<const char*>(&entries_[std::size_t{chunk} * kChunk]);
    for (std::size_t line = 0; line < kChunkBytes; line += 64) __builtin_prefetch(bytes + line);
  }

  // A group's keys go in chunks of this many: small, since each group's
  // last chunk is mostly empty.
  static constexpr std::size_t kChunk = 64;
  static constexpr std::size_t kChunkBytes = kChunk * sizeof(Entry);
  // Chunks are taken in order; their pages are made this many at a time.
  static constexpr std::size_t kChunksPrepared = 1024;
  static constexpr std::uint32_t kNoChunk = 0xFFFFFFFFu;

  unsigned groupBits_;
  std::size_t atMost_, size_ = 0;
  SystemPages pages_;  // the entries: resident only as chunks fill
  Entry* entries_;
  std::vector<std::uint32_t> nextChunk_;
  std::vector<std::uint32_t> head_, tail_;
  std::vector<std::uint16_t> tailFill_;
  std::uint32_t chunksUsed_ = 0;
};

}  // namespace lumivox
