#include "core/IniSectionIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <thread>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "common/SmallThread.h"
#include "core/LineCursor.h"

namespace lumivox {
namespace {

// A number this far beyond the lines seen so far goes with the other keys,
// so a lone "999999999=" cannot make the line-number table huge.
constexpr std::size_t kNumberSlack = 4096;
// Other keys are kept aside during the first pass (eight bytes each) while
// that and their table stay within half the file; past that the section's
// lines are walked a second time instead. A few are always kept.
constexpr std::size_t kFewNamed = 1024;
constexpr std::size_t kFileBytesPerKeptKey = 26;
// Key lines longer than this are not parsed again at each lookup.
constexpr std::size_t kLongLineBytes = 4096;

// ASCII capitals of eight bytes at once made small; other bytes stay.
std::uint64_t lowerAscii8(std::uint64_t x) {
  const std::uint64_t low7 = x & 0x7F7F7F7F7F7F7F7Full;
  const std::uint64_t fromA = low7 + 0x3F3F3F3F3F3F3F3Full;   // top bit set where >= 'A'
  const std::uint64_t pastZ = low7 + 0x2525252525252525ull;   // top bit set where > 'Z'
  const std::uint64_t capitals = fromA & ~pastZ & ~x & 0x8080808080808080ull;
  return x | (capitals >> 2);
}

// Of the lower-case name, eight bytes a step. The last step reads its bytes
// with loads that may overlap, never one byte at a time.
std::uint32_t nameHash(std::string_view name) {
  std::uint64_t hash = (name.size() + 1) * 0x9E3779B97F4A7C15ull;
  auto mixIn = [&](std::uint64_t word) {
    hash = (hash ^ lowerAscii8(word)) * 0xBF58476D1CE4E5B9ull;
    hash ^= hash >> 29;
  };
  auto load = [](const char* p, auto word) {
    std::memcpy(&word, p, sizeof word);
    return std::uint64_t{word};
  };
  const char* p = name.data();
  const std::size_t size = name.size();
  std::size_t done = 0;
  for (; done + 8 <= size; done += 8) mixIn(load(p + done, std::uint64_t{}));
  const std::size_t left = size - done;
  if (size >= 8 && left) {
    mixIn(load(p + size - 8, std::uint64_t{}));
  } else if (left >= 4) {
    mixIn(load(p, std::uint32_t{}) | load(p + left - 4, std::uint32_t{}) << 32);
  } else if (left) {
    mixIn(std::uint64_t{static_cast<unsigned char>(p[0])} | std::uint64_t{static_cast<unsigned char>(p[left / 2])} << 8 |
          std::uint64_t{static_cast<unsigned char>(p[left - 1])} << 16);
  }
  hash *= 0x94D049BB133111EBull;
  return static_cast<std::uint32_t>(hash >> 32);
}

// "0" or decimal digits without a leading zero: the keys the program asks for.
std::optional<std::size_t> lineNumber(std::string_view key) {
  if (key.empty() || key.size() > 9 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  std::size_t number = 0;
  for (char c : key) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::size_t>(c - '0');
  }
  return number;
}

// The common start of a library line, "123=", read from eight bytes at once:
// up to seven digits, no leading zero, then '='. Gives the number of digits,
// or 0 for anything else (fewer than eight bytes left included), which is
// left to the full reading of the line: it gives the same answer.
[[gnu::always_inline]] inline std::size_t leadingLineNumber(std::string_view bytes, std::size_t pos,
                                                            std::size_t& number) {
  if constexpr (std::endian::native != std::endian::little) {
    return 0;
  } else {
    if (bytes.size() - pos < 8) return 0;
    std::uint64_t x;
    std::memcpy(&x, bytes.data() + pos, 8);
    constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0ull, kZeros = 0x3030303030303030ull;
    // Non-zero bytes where a byte is no digit. (The +6 may carry out of a
    // byte at or after the first non-digit only, which is all that counts.)
    const std::uint64_t notDigit = ((x & kHigh) ^ kZeros) | (((x + 0x0606060606060606ull) & kHigh) ^ kZeros);
    const std::uint64_t flags =
        (((notDigit & 0x7F7F7F7F7F7F7F7Full) + 0x7F7F7F7F7F7F7F7Full) | notDigit) & 0x8080808080808080ull;
    const int digits = std::countr_zero(flags) / 8;
    if (digits == 0 || digits == 8 || bytes[pos + static_cast<std::size_t>(digits)] != '=') return 0;
    if (digits > 1 && bytes[pos] == '0') return 0;
    // The digits moved to the top, zeros below them, then summed in pairs.
    std::uint64_t value = (x - kZeros) << (8 * (8 - digits));
    value = value * 10 + (value >> 8);
    value = (((value & 0x000000FF000000FFull) * (100 + (1000000ull << 32))) +
             (((value >> 16) & 0x000000FF000000FFull) * (1 + (10000ull << 32)))) >>
            32;
    number = static_cast<std::size_t>(value & 0xFFFFFFFFu);
    return static_cast<std::size_t>(digits);
  }
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isNumberedSlot(std::size_t number, std::size_t linesSeen) { return number < linesSeen + kNumberSlack; }

// The name of "name=..." when nothing around it needs trimming, the usual
// other key: such a line cannot be a section line, and its name is all before
// the '='. Anything else needs the full reading of the line.
std::optional<std::string_view> plainName(std::string_view bytes, std::size_t start, const LineSpan& span) {
  if (span.next - start > kLongLineBytes || span.equals == std::string_view::npos || span.equals == start ||
      isBlank(bytes[start]) || bytes[start] == '[' || isBlank(bytes[span.equals - 1]))
    return std::nullopt;
  return bytes.substr(start, span.equals - start);
}

// What a helper thread reads ahead in the second half of a large section:
// where each line starts and, for the two common kinds of line, what the
// index needs of it. Only reading: what the lines mean (their place among
// the line numbers, where the section ends) is still decided in order.
struct LinesAhead {
  enum Kind : std::uint32_t { Unread, Number, Name };
  // A line's start in the low bits, its kind above them (files are below
  // 512 MiB); value: the number, or the name's hash.
  static constexpr unsigned kKindShift = 30;
  std::vector<std::uint32_t> startAndKind, value;
  std::size_t end = 0;  // where the line after the last one read starts

  // Room for that many lines, made by the thread that indexes: the reading
  // thread allocates nothing (which would give it an arena of its own).
  explicit LinesAhead(std::size_t maxLines) {
    startAndKind.reserve(maxLines);
    value.reserve(maxLines);
  }
  std::size_t size() const { return startAndKind.size(); }
  std::size_t start(std::size_t i) const { return startAndKind[i] & ((std::uint32_t{1} << kKindShift) - 1); }
  Kind kind(std::size_t i) const { return static_cast<Kind>(startAndKind[i] >> kKindShift); }

  void read(std::string_view bytes, std::size_t from) {
    LineCursor cursor(bytes);
    std::size_t pos = from;
    while (pos < bytes.size() && size() < startAndKind.capacity()) {
      const LineSpan span = cursor.lineAt(pos);
      std::size_t number = 0;
      Kind k = Unread;
      std::uint32_t v = 0;
      if (leadingLineNumber(bytes, pos, number)) {
        k = Number;
        v = static_cast<std::uint32_t>(number);
      } else if (const auto name = plainName(bytes, pos, span); name && !lineNumber(*name)) {
        k = Name;
        v = nameHash(*name);
      }
      if (span.next - pos > kLongLineBytes) k = Unread;
      startAndKind.push_back(static_cast<std::uint32_t>(pos) | (std::uint32_t{k} << kKindShift));
      value.push_back(v);
      pos = span.next;
    }
    end = pos;
  }
};

class SectionLines {
 public:
  enum class Kind { Numbered, Named, Section, Other };
  struct Line {
    Kind kind = Kind::Other;
    std::size_t start = 0, next = 0, number = 0;
    std::uint32_t nameHash = 0;   // Named
    std::optional<IniLine> full;  // the line read in full: long and unusual lines
  };

  // The lines from `from` on, after linesBefore lines of the same body; the
  // lines read ahead, if given, are taken as they are.
  SectionLines(std::string_view bytes, std::size_t from, std::size_t linesBefore = 0,
               const LinesAhead* ahead = nullptr)
      : bytes_(bytes), cursor_(bytes), ahead_(ahead), pos_(from), linesSeen_(linesBefore) {}

  std::size_t linesSeen() const { return linesSeen_; }

  bool next(Line& line) {
    if (pos_ >= bytes_.size()) return false;
    line.start = pos_;
    line.full.reset();
    ++linesSeen_;
    if (ahead_ && fromAhead(line)) return true;
    const LineSpan span = cursor_.lineAt(line.start);
    line.next = pos_ = span.next;
    if (leadingLineNumber(bytes_, line.start, line.number) && line.next - line.start <= kLongLineBytes &&
        isNumberedSlot(line.number, linesSeen_)) {
      line.kind = Kind::Numbered;  // the common line
      return true;
    }
    if (const auto name = plainName(bytes_, line.start, span)) return keyNamed(line, *name);
    const IniLine& full = line.full.emplace(lineAt(bytes_, line.start, line.next));
    if (full.kind == IniLine::Kind::Section) {
      line.kind = Kind::Section;
      pos_ = bytes_.size();  // the body ends here
      return true;
    }
    if (full.kind != IniLine::Kind::Key) {
      line.kind = Kind::Other;
      return true;
    }
    return keyNamed(line, full.name);
  }

 private:
  bool keyNamed(Line& line, std::string_view name) {
    if (const auto number = lineNumber(name); number && isNumberedSlot(*number, linesSeen_)) {
      line.kind = Kind::Numbered;
      line.number = *number;
    } else {
      line.kind = Kind::Named;
      line.nameHash = nameHash(name);
    }
    return true;
  }

  // The read-ahead entry of the line at pos_, if there is one.
  bool aheadAt() {
    while (aheadCursor_ < ahead_->size() && ahead_->start(aheadCursor_) < pos_) ++aheadCursor_;
    return aheadCursor_ < ahead_->size() && ahead_->start(aheadCursor_) == pos_;
  }
  std::size_t aheadNext() const { return aheadCursor_ + 1 < ahead_->size() ? ahead_->start(aheadCursor_ + 1) : ahead_->end; }

  // The line as read ahead, when that settles it (linesSeen_ counts it).
  bool fromAhead(Line& line) {
    if (!aheadAt()) return false;
    const auto kind = ahead_->kind(aheadCursor_);
    if (kind == LinesAhead::Number && isNumberedSlot(ahead_->value[aheadCursor_], linesSeen_)) {
      line.kind = Kind::Numbered;
      line.number = ahead_->value[aheadCursor_];
    } else if (kind == LinesAhead::Name) {
      line.kind = Kind::Named;
      line.nameHash = ahead_->value[aheadCursor_];
    } else {
      return false;
    }
    line.next = pos_ = aheadNext();
    ++aheadCursor_;
    return true;
  }

  std::string_view bytes_;
  LineCursor cursor_;
  const LinesAhead* ahead_;
  std::size_t aheadCursor_ = 0;
  std::size_t pos_, linesSeen_;
};

}  // namespace

// --- line numbers ---

std::uint32_t IniSectionIndex::NumberedLines::get(std::size_t number) const {
  const std::size_t block = number >> kBlockBits;
  if (block >= blocks_.size() || !blocks_[block]) return kNone;
  return blocks_[block][number & ((std::size_t{1} << kBlockBits) - 1)];
}

std::uint32_t* IniSectionIndex::NumberedLines::addBlock(std::size_t block) {
  if (block >= blocks_.size()) blocks_.resize(block + 1);
  auto& entries = blocks_[block];
  entries.reset(new std::uint32_t[std::size_t{1} << kBlockBits]);  // filled once, below
  std::fill_n(entries.get(), std::size_t{1} << kBlockBits, kNone);
  return entries.get();
}

std::size_t IniSectionIndex::NumberedLines::memoryBytes() const {
  std::size_t bytes = blocks_.capacity() * sizeof(blocks_[0]);
  for (const auto& block : blocks_)
    if (block) bytes += (std::size_t{1} << kBlockBits) * sizeof(std::uint32_t);
  return bytes;
}

// --- other keys ---
//
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
  slots_.assign(std::max(least, std::min(2 * count, fileBytes / (4 * sizeof(std::uint32_t)))), kNone);
}

// The slot where a name's probe starts (a multiply instead of a division).
std::size_t IniSectionIndex::NamedLines::home(std::uint32_t hash) const {
  return static_cast<std::size_t>((std::uint64_t{hash} * slots_.size()) >> 32);
}

// Inline: it runs once an other key while a section is indexed. Only a
// matching tag, which is rare, reads lines of the file.
inline void IniSectionIndex::NamedLines::insertNow(const IniSectionIndex& index, std::string_view bytes,
                                                   Entry entry) {
  const SlotLayout layout = layoutFor(bytes.size());
  const std::uint32_t packed = layout.pack(entry.offset, entry.hash);
  for (std::size_t i = home(entry.hash);; i = i + 1 == slots_.size() ? 0 : i + 1) {
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
  return nameHash(filedName) == entry.hash &&
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
void IniSectionIndex::NamedLines::fileKept(const IniSectionIndex& index, std::string_view bytes,
                                          const KeptNames& kept) {
  const SlotLayout layout = layoutFor(bytes.size());
  const std::size_t groups = kept.groups();
  const unsigned groupShift = 32 - static_cast<unsigned>(std::bit_width(groups - 1));
  auto stretchStart = [&](std::size_t group) {
    return group >= groups ? slots_.size() : home(static_cast<std::uint32_t>(group << groupShift));
  };
  std::size_t widest = 0;
  for (std::size_t group = 0; group < groups; ++group)
    widest = std::max(widest, stretchStart(group + 1) - stretchStart(group));
  // A key's probe starts within its group's stretch, and most end a few
  // slots on: two stretches' width covers nearly all of them.
  std::vector<std::uint32_t> hashes(2 * widest + 8);
  std::size_t windowStart = 0, windowSize = 0;

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
        return;
      }
    }
#endif
    for (;; i = i + 1 == slots_.size() ? 0 : i + 1) {
      const std::size_t at = i - windowStart;  // wraps past the window when i is before it
      const bool inWindow = at < windowSize;
      const std::uint32_t slot = slots_[i];
      if (slot == kNone) {
        slots_[i] = packed;
        if (inWindow) hashes[at] = entry.hash;
        return;
      }
      const std::uint32_t filed = layout.offset(slot);
      if (inWindow ? hashes[at] == entry.hash &&
                         equalsIgnoringAsciiCase(index.keyLineAt(bytes, filed).name,
                                                 index.keyLineAt(bytes, entry.offset).name)
                   : layout.tagMatches(slot, entry.hash) && filedHasName(index, bytes, entry, filed))
        return;
    }
  };

  constexpr std::size_t kSlotsPerLine = 64 / sizeof(std::uint32_t);
  for (std::size_t group = 0; group < groups; ++group) {
    // The window moves to this group's stretch. Slots it now covers were
    // filled, if at all, by probes that ran past it: their hashes are read
    // again from the file (rare).
    const std::size_t start = stretchStart(group);
    const std::size_t shift = start - windowStart;
    std::copy(hashes.begin() + static_cast<std::ptrdiff_t>(shift), hashes.end(), hashes.begin());
    for (std::size_t at = hashes.size() - shift; at < hashes.size(); ++at)
      if (start + at < slots_.size() && slots_[start + at] != kNone)
        hashes[at] = nameHash(index.keyLineAt(bytes, layout.offset(slots_[start + at])).name);
    windowStart = start;
    windowSize = std::min(hashes.size(), slots_.size() - start);

    // The next group's stretch is asked for a cache line a key, so it is
    // there when that group starts.
    std::size_t ahead = stretchStart(group + 1);
    const std::size_t aheadEnd = stretchStart(group + 2);
    kept.forEachIn(group, [&](const Entry& entry) {
      if (ahead < aheadEnd) {
        __builtin_prefetch(&slots_[ahead], 1);
        ahead += kSlotsPerLine;
      }
      fileOne(entry);
    });
  }
}

void IniSectionIndex::NamedLines::flush(const IniSectionIndex& index, std::string_view bytes) {
  for (; queued_ > 0; --queued_, queueHead_ = (queueHead_ + 1) % kQueue) insertNow(index, bytes, queue_[queueHead_]);
  queueHead_ = 0;
}

std::uint32_t IniSectionIndex::NamedLines::find(const IniSectionIndex& index, std::string_view bytes,
                                                std::string_view name) const {
  if (slots_.empty()) return kNone;
  const SlotLayout layout = layoutFor(bytes.size());
  const std::uint32_t hash = nameHash(name);
  for (std::size_t i = home(hash); slots_[i] != kNone; i = i + 1 == slots_.size() ? 0 : i + 1) {
    const std::uint32_t offset = layout.offset(slots_[i]);
    if (layout.tagMatches(slots_[i], hash) && equalsIgnoringAsciiCase(index.keyLineAt(bytes, offset).name, name))
      return offset;
  }
  return kNone;
}

// --- the section ---

IniLine IniSectionIndex::keyLineAt(std::string_view bytes, std::uint32_t offset) const {
  if (!longLines_.empty()) {
    const auto it = std::lower_bound(longLines_.begin(), longLines_.end(), offset,
                                     [](const LongLine& l, std::uint32_t o) { return l.start < o; });
    if (it != longLines_.end() && it->start == offset) {
      IniLine line;
      line.kind = IniLine::Kind::Key;
      line.name = bytes.substr(it->nameBegin, it->nameSize);
      line.value = bytes.substr(it->valueBegin, it->valueSize);
      line.start = it->start;
      line.afterEquals = it->afterEquals;
      line.contentEnd = it->contentEnd;
      line.next = it->next;
      return line;
    }
  }
  return lineAt(bytes, offset);
}

void IniSectionIndex::addLongLine(std::string_view bytes, const IniLine& line) {
  auto at = [&](std::string_view part) { return static_cast<std::uint32_t>(part.data() - bytes.data()); };
  longLines_.push_back({static_cast<std::uint32_t>(line.start), at(line.name),
                        static_cast<std::uint32_t>(line.name.size()), at(line.value),
                        static_cast<std::uint32_t>(line.value.size()), static_cast<std::uint32_t>(line.afterEquals),
                        static_cast<std::uint32_t>(line.contentEnd), static_cast<std::uint32_t>(line.next)});
}

namespace {
// Read-ahead entries take eight bytes a line, room for one a this many bytes
// of the second half: lines shorter than that on average are left to the
// indexing thread past what fits.
constexpr std::size_t kBytesPerLineAhead = 64;
}  // namespace

// What indexing the lines gathers besides the tables.
struct IniSectionIndex::Gathered {
  std::size_t keepAtMost = 0, namedCount = 0, bodyEnd = 0;
  unsigned groupBits = 0;
  std::optional<KeptNames> kept;  // made at the first other key
  bool keptAll = true, sectionEnded = false;
};

IniSectionIndex::IniSectionIndex(std::string_view bytes, std::size_t bodyStart, std::size_t readAheadFrom,
                                 std::size_t slotsPerGroup) {
  Gathered gathered;
  gathered.keepAtMost = std::max(kFewNamed, bytes.size() / kFileBytesPerKeptKey);
  gathered.groupBits = KeptNames::groupBitsFor(bytes.size(), slotsPerGroup);
  gathered.bodyEnd = bytes.size();

  // Where the second half starts: the line after the middle.
  std::size_t middle = bytes.size();
  static const unsigned processors = std::thread::hardware_concurrency();  // asking reads a file
  if (bytes.size() - bodyStart >= readAheadFrom && processors > 1) {
    // Not far: a middle in a huge line leaves little to read ahead anyway.
    const std::size_t half = bodyStart + (bytes.size() - bodyStart) / 2;
    const std::size_t lf = bytes.substr(0, std::min(bytes.size(), half + 65536)).find('\n', half);
    if (lf != std::string_view::npos && lf + 1 < bytes.size()) middle = lf + 1;
  }
  SectionLines first(bytes.substr(0, middle), bodyStart);
  if (middle == bytes.size()) {
    gather(bytes, first, gathered);
  } else {
    std::optional<LinesAhead> ahead;
    try {
      ahead.emplace((bytes.size() - middle) / kBytesPerLineAhead + 1);
    } catch (const std::bad_alloc&) {  // no room: this thread reads it all itself
    }
    SmallThread reader([&] {
      if (ahead) ahead->read(bytes, middle);
    });
    gather(bytes, first, gathered);
    reader.join();
    if (!gathered.sectionEnded) {
      SectionLines second(bytes, middle, first.linesSeen(), ahead ? &*ahead : nullptr);
      gather(bytes, second, gathered);
    }
  }  // what was read ahead is let go before the table of other keys is made
  longLines_.shrink_to_fit();
  if (gathered.namedCount == 0) return;

  named_.reserve(gathered.namedCount, bytes.size());
  if (!gathered.keptAll) {
    fileNamedAgain(bytes, bodyStart, gathered.bodyEnd);
    return;
  }
  named_.fileKept(*this, bytes, *gathered.kept);
}

template <typename Lines>
void IniSectionIndex::gather(std::string_view bytes, Lines& lines, Gathered& gathered) {
  for (typename Lines::Line line; lines.next(line);) {
    const auto offset = static_cast<std::uint32_t>(line.start);
    switch (line.kind) {
      case Lines::Kind::Section:
        gathered.bodyEnd = line.start;
        gathered.sectionEnded = true;
        return;
      case Lines::Kind::Numbered:
        numbered_.setIfAbsent(line.number, offset);
        break;
      case Lines::Kind::Named:
        ++gathered.namedCount;
        if (!gathered.keptAll) break;
        if (!gathered.kept) gathered.kept.emplace(gathered.keepAtMost, gathered.groupBits);
        if (!gathered.kept->add({offset, line.nameHash})) {
          gathered.keptAll = false;
          gathered.kept.reset();
        }
        break;
      case Lines::Kind::Other:
        break;
    }
    if (line.full && line.full->kind == IniLine::Kind::Key && line.next - line.start > kLongLineBytes)
      addLongLine(bytes, *line.full);
  }
}

void IniSectionIndex::fileNamedAgain(std::string_view bytes, std::size_t bodyStart, std::size_t bodyEnd) {
  SectionLines lines(bytes.substr(0, bodyEnd), bodyStart);
  for (SectionLines::Line line; lines.next(line);)
    if (line.kind == SectionLines::Kind::Named)
      named_.insertIfAbsent(*this, bytes, {static_cast<std::uint32_t>(line.start), line.nameHash});
  named_.flush(*this, bytes);
}

std::optional<IniLine> IniSectionIndex::find(std::string_view bytes, std::string_view key) const {
  std::uint32_t offset = named_.find(*this, bytes, key);
  // A line number may also have been filed with the other keys (when it
  // came far ahead of its place); the earlier line is the one that counts.
  if (const auto number = lineNumber(key)) offset = std::min(offset, numbered_.get(*number));
  if (offset == kNone) return std::nullopt;
  return keyLineAt(bytes, offset);
}

std::size_t IniSectionIndex::memoryBytes() const {
  return sizeof(*this) + numbered_.memoryBytes() + named_.memoryBytes() + longLines_.capacity() * sizeof(LongLine);
}

}  // namespace lumivox
