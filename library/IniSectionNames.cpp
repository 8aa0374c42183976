// The table of a section's other keys (what is not a line number): filled
// once from the key lines kept while the section was read, then asked.

#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "common/SmallThread.h"
#include "library/IniNameHash.h"
#include "library/IniSectionIndex.h"

namespace lumivox {

// A slot holds a line offset in its low bits and the low bits of the name's
// hash above them (its high bits choose the slot), so most probes of other
// names are told apart without reading their lines. All ones is the empty
// slot: no offset is that large.

namespace {
struct SlotLayout {
  unsigned offsetBits;
  std::uint32_t pack(std::uint32_t offset, std::uint32_t hash) const {
    return offsetBits >= 32 ? offset : (hash << offsetBits) | offset;
  }
  std::uint32_t offset(std::uint32_t slot) const {
    return offsetBits >= 32 ? slot : slot & ((std::uint32_t{1} << offsetBits) - 1);
  }
  bool tagMatches(std::uint32_t slot, std::uint32_t hash) const { return pack(offset(slot), hash) == slot; }
};

SlotLayout layoutFor(std::size_t fileBytes) {
  // Offsets are below the file size, so all ones in the offset bits is free.
  return SlotLayout{std::max(1u, static_cast<unsigned>(std::bit_width(fileBytes)))};
}
}  // namespace

void IniSectionIndex::NamedLines::reserve(std::size_t count, std::size_t fileBytes) {
  // At most four fifths full; emptier where a quarter of the file allows,
  // since every probe of a full table may read a line of the file.
  const std::size_t least = count + count / 4 + 1;
  slotCount_ = std::max(least, std::min(2 * count, fileBytes / (4 * sizeof(std::uint32_t))));
  pages_ = SystemPages(slotCount_ * sizeof(std::uint32_t));
  slots_ = pages_.as<std::uint32_t>();  // emptied by the filing (two threads make the pages faster than one)
}

// The slot where a name's probe starts (a multiply instead of a division).
std::size_t IniSectionIndex::NamedLines::home(std::uint32_t hash) const {
  return static_cast<std::size_t>((std::uint64_t{hash} * slotCount_) >> 32);
}

// Inline: it runs once an other key while a section is indexed. Only a
// matching tag, which is rare, reads lines of the file.
inline void IniSectionIndex::NamedLines::insertNow(const IniSectionIndex& index, std::string_view bytes,
                                                   Entry entry) {
  const SlotLayout layout = layoutFor(bytes.size());
  const std::uint32_t packed = layout.pack(entry.offset, entry.hash);
  for (std::size_t i = home(entry.hash);; i = i + 1 == slotCount_ ? 0 : i + 1) {
    const std::uint32_t slot = slots_[i];
    if (slot == kNone) {
      slots_[i] = packed;
      return;
    }
    if (layout.tagMatches(slot, entry.hash) && filedHasName(index, bytes, entry, layout.offset(slot))) return;
  }
}

// Whether the filed line has the entry's name. Its whole hash tells most
// other names apart without reading the entry's own line too.
bool IniSectionIndex::NamedLines::filedHasName(const IniSectionIndex& index, std::string_view bytes, Entry entry,
                                               std::uint32_t filed) {
  const std::string_view filedName = index.keyLineAt(bytes, filed).name;
  return iniNameHash(filedName) == entry.hash &&
         equalsIgnoringAsciiCase(filedName, index.keyLineAt(bytes, entry.offset).name);
}

void IniSectionIndex::NamedLines::insertIfAbsent(const IniSectionIndex& index, std::string_view bytes, Entry entry) {
  __builtin_prefetch(&slots_[home(entry.hash)], 1);
  if (queued_ == kQueue) {  // the oldest goes in first: file order is kept
    insertNow(index, bytes, queue_[queueHead_]);
    queue_[queueHead_] = entry;
    queueHead_ = (queueHead_ + 1) % kQueue;
    return;
  }
  queue_[(queueHead_ + queued_++) % kQueue] = entry;
}

// Kept keys are filed group by group, and a group's keys land in one short
// stretch of the table. The full hashes of the slots from that stretch on
// are kept at hand meanwhile, in a window that moves with the groups: a key
// meets other names far more often than its own, and a hash tells them
// apart where a slot's few tag bits would send it to read lines of the file.
//
// The groups of a large table are filed in two halves at once, each in its
// own part of the table. A key whose probe would run out of its half waits
// until both are done (any earlier line of its name would have stopped it).
struct IniSectionIndex::NamedLines::Part {
  std::size_t groupFrom = 0, groupTo = 0, slotFrom = 0, slotTo = 0;
  bool bounded = false;          // false: the whole table, probes wrap around
  std::vector<std::uint32_t> hashes;  // the window
  std::vector<Entry> deferred;        // room made beforehand: a helper allocates nothing
  bool overflowed = false;            // more keys had to wait than there was room for
};

void IniSectionIndex::NamedLines::fileKept(const IniSectionIndex& index, std::string_view bytes,
                                          const KeptNames* first, const KeptNames* second, std::size_t bodyEnd,
                                          const Tuning& tuning) {
  const std::size_t groups = (first ? first : second)->groups();
  std::size_t widest = 0;
  for (std::size_t group = 0; group < groups; ++group)
    widest = std::max(widest, stretchStart(groups, group + 1) - stretchStart(groups, group));
  // A key's probe starts within its group's stretch, and most end a few
  // slots on: two stretches' width covers nearly all of them.
  const std::size_t windowWidth = 2 * widest + 8;
  auto fileAllAtOnce = [&] {
    Part whole;
    whole.groupTo = groups;
    whole.slotTo = slotCount_;
    whole.hashes.resize(windowWidth);
    fileGroups(index, bytes, first, second, bodyEnd, groups, whole);
  };
  if (groups < 2 || slotCount_ < tuning.halvesFrom || processorCount() < 2) return fileAllAtOnce();

  Part low, high;
  const std::size_t middle = stretchStart(groups, groups / 2);
  low.groupTo = high.groupFrom = groups / 2;
  high.groupTo = groups;
  low.slotTo = high.slotFrom = middle;
  high.slotTo = slotCount_;
  for (Part* part : {&low, &high}) {
    part->bounded = true;
    part->hashes.resize(windowWidth);
    part->deferred.reserve(tuning.waitingRoom);
  }
  {
    SmallThread helper([&] { fileGroups(index, bytes, first, second, bodyEnd, groups, high); });
    fileGroups(index, bytes, first, second, bodyEnd, groups, low);
  }
  if (low.overflowed || high.overflowed) return fileAllAtOnce();  // not seen in practice: all again, on this thread
  for (const Part* part : {&low, &high})
    for (const Entry& entry : part->deferred) insertNow(index, bytes, entry);
}

// Where the stretch of a group starts (the table's end past the last).
std::size_t IniSectionIndex::NamedLines::stretchStart(std::size_t groups, std::size_t group) const {
  if (group >= groups) return slotCount_;
  const unsigned groupShift = 32 - static_cast<unsigned>(std::bit_width(groups - 1));
  return home(static_cast<std::uint32_t>(group << groupShift));
}

void IniSectionIndex::NamedLines::fileGroups(const IniSectionIndex& index, std::string_view bytes,
                                            const KeptNames* first, const KeptNames* second, std::size_t bodyEnd,
                                            std::size_t groups, Part& part) {
  const SlotLayout layout = layoutFor(bytes.size());
  pages_.prepare(part.slotFrom * sizeof(std::uint32_t), (part.slotTo - part.slotFrom) * sizeof(std::uint32_t));
  std::fill(slots_ + part.slotFrom, slots_ + part.slotTo, kNone);
  std::vector<std::uint32_t>& hashes = part.hashes;
  std::size_t windowStart = stretchStart(groups, part.groupFrom), windowSize = 0;  // nothing filed there yet
  std::size_t farthestPastWindow = 0;  // past it, this part has filed nothing (until 0 wraps around)

  // False when the key has to wait (its probe would leave the part).
  auto fileOne = [&](Entry entry) {
    const std::uint32_t packed = layout.pack(entry.offset, entry.hash);
    std::size_t i = home(entry.hash);
#ifdef __SSE2__
    // Eight slots at once: most keys find an empty one among them with no
    // hash like their own before it, and go there without a loop.
    if (const std::size_t at = i - windowStart; at + 8 <= windowSize) {
      auto lanes = [](__m128i equal) { return static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(equal))); };
      auto load = [](const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
      const __m128i none = _mm_set1_epi32(-1), hash = _mm_set1_epi32(static_cast<int>(entry.hash));
      const unsigned empty = lanes(_mm_cmpeq_epi32(load(&slots_[i]), none)) |
                             lanes(_mm_cmpeq_epi32(load(&slots_[i + 4]), none)) << 4;
      const unsigned sameHash = (lanes(_mm_cmpeq_epi32(load(&hashes[at]), hash)) |
                                 lanes(_mm_cmpeq_epi32(load(&hashes[at + 4]), hash)) << 4) &
                                ~empty;
      const auto firstEmpty = static_cast<unsigned>(std::countr_zero(empty | 0x100u));
      if (firstEmpty < 8 && (sameHash & ((1u << firstEmpty) - 1)) == 0) {
        slots_[i + firstEmpty] = packed;
        hashes[at + firstEmpty] = entry.hash;
        return true;
      }
    }
#endif
    for (;; i = i + 1 == slotCount_ ? 0 : i + 1) {
      if (part.bounded && (i < part.slotFrom || i >= part.slotTo)) return false;
      const std::size_t at = i - windowStart;  // wraps past the window when i is before it
      const bool inWindow = at < windowSize;
      const std::uint32_t slot = slots_[i];
      if (slot == kNone) {
        slots_[i] = packed;
        if (inWindow) {
          hashes[at] = entry.hash;
        } else if (i > windowStart) {
          farthestPastWindow = std::max(farthestPastWindow, i);
        }
        return true;
      }
      const std::uint32_t filed = layout.offset(slot);
      if (inWindow ? hashes[at] == entry.hash &&
                         equalsIgnoringAsciiCase(index.keyLineAt(bytes, filed).name,
                                                 index.keyLineAt(bytes, entry.offset).name)
                   : layout.tagMatches(slot, entry.hash) && filedHasName(index, bytes, entry, filed))
        return true;
    }
  };

  constexpr std::size_t kSlotsPerLine = 64 / sizeof(std::uint32_t);
  for (std::size_t group = part.groupFrom; group < part.groupTo; ++group) {
    // The window moves to this group's stretch. Slots it now covers were
    // filled, if at all, by probes that ran past it: their hashes are read
    // again from the file (rare).
    const std::size_t start = stretchStart(groups, group);
    const std::size_t shift = std::min(start - windowStart, hashes.size());
    std::copy(hashes.begin() + static_cast<std::ptrdiff_t>(shift), hashes.end(), hashes.begin());
    const std::size_t end = part.bounded ? part.slotTo : slotCount_;
    const std::size_t stillKnown = windowSize > shift ? windowSize - shift : 0;
    // Slots beyond the farthest one filed past the window are empty.
    std::size_t filledUpTo = hashes.size();
    if (group != part.groupFrom)
      filledUpTo = farthestPastWindow < start ? 0 : std::min(hashes.size(), farthestPastWindow - start + 1);
    for (std::size_t at = stillKnown; at < filledUpTo; ++at)
      if (start + at < end && slots_[start + at] != kNone)
        hashes[at] = iniNameHash(index.keyLineAt(bytes, layout.offset(slots_[start + at])).name);
    windowStart = start;
    windowSize = std::min(hashes.size(), end - start);

    // The next group's stretch is asked for a cache line a key, so it is
    // there when that group starts.
    std::size_t ahead = stretchStart(groups, group + 1);
    const std::size_t aheadEnd = std::min(stretchStart(groups, group + 2), end);
    for (const KeptNames* kept : {first, second})
      if (kept) kept->prefetch(group + 1);
    // The two stores' keys of this group merged by where their lines start.
    KeptNames::Reader one(first, group), other(second, group);
    for (;;) {
      const bool fromFirst = !one.done() && (other.done() || one.entry().offset < other.entry().offset);
      if (!fromFirst && (other.done() || other.entry().offset >= bodyEnd)) break;
      KeptNames::Reader& from = fromFirst ? one : other;
      if (ahead < aheadEnd) {
        __builtin_prefetch(&slots_[ahead], 1);
        ahead += kSlotsPerLine;
      }
      if (!fileOne(from.entry())) {
        if (part.deferred.size() == part.deferred.capacity()) {
          part.overflowed = true;
          return;
        }
        part.deferred.push_back(from.entry());
      }
      from.advance();
    }
  }
}

void IniSectionIndex::NamedLines::flush(const IniSectionIndex& index, std::string_view bytes) {
  for (; queued_ > 0; --queued_, queueHead_ = (queueHead_ + 1) % kQueue) insertNow(index, bytes, queue_[queueHead_]);
  queueHead_ = 0;
}

std::uint32_t IniSectionIndex::NamedLines::find(const IniSectionIndex& index, std::string_view bytes,
                                                std::string_view name) const {
  if (slotCount_ == 0) return kNone;
  const SlotLayout layout = layoutFor(bytes.size());
  const std::uint32_t hash = iniNameHash(name);
  // At most the whole table: a lookup ends even in a table with no empty slot.
  std::size_t i = home(hash);
  for (std::size_t probed = 0; probed < slotCount_ && slots_[i] != kNone; ++probed, i = i + 1 == slotCount_ ? 0 : i + 1) {
    const std::uint32_t offset = layout.offset(slots_[i]);
    if (layout.tagMatches(slots_[i], hash) && equalsIgnoringAsciiCase(index.keyLineAt(bytes, offset).name, name))
      return offset;
  }
  return kNone;
}

}  // namespace lumivox
