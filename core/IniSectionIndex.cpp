#include "core/IniSectionIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace lumivox {
namespace {

// A number this far beyond the lines seen so far goes with the other keys,
// so a lone "999999999=" cannot make the line-number table huge.
constexpr std::size_t kNumberSlack = 4096;
// Named keys kept aside during the first pass; more than this and the
// section's lines are walked a second time instead.
constexpr std::size_t kFewNamed = 1024;
// Key lines longer than this are not parsed again at each lookup.
constexpr std::size_t kLongLineBytes = 4096;

std::uint64_t nameHash(std::string_view name) {
  std::uint64_t hash = 1469598103934665603ull;  // FNV-1a over the lower-case bytes ...
  for (char c : name) {
    const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    hash = (hash ^ static_cast<unsigned char>(lower)) * 1099511628211ull;
  }
  hash ^= hash >> 31;  // ... mixed, since short names differ only in their last bytes
  hash *= 0x9E3779B97F4A7C15ull;
  return hash ^ (hash >> 29);
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
// A slot holds a line offset in its low bits and a few bits of the name's
// hash above them, so most probes of other names are told apart without
// reading their lines. All ones is the empty slot: no offset is that large.

namespace {
struct SlotLayout {
  unsigned offsetBits;
  std::uint32_t pack(std::uint32_t offset, std::uint64_t hash) const {
    return offsetBits >= 32 ? offset : (static_cast<std::uint32_t>(hash >> 40) << offsetBits) | offset;
  }
  std::uint32_t offset(std::uint32_t slot) const {
    return offsetBits >= 32 ? slot : slot & ((std::uint32_t{1} << offsetBits) - 1);
  }
  bool tagMatches(std::uint32_t slot, std::uint64_t hash) const { return pack(offset(slot), hash) == slot; }
};

SlotLayout layoutFor(std::size_t fileBytes) {
  // Offsets are below the file size, so all ones in the offset bits is free.
  return SlotLayout{std::max(1u, static_cast<unsigned>(std::bit_width(fileBytes)))};
}
}  // namespace

void IniSectionIndex::NamedLines::reserve(std::size_t count) {
  slots_.assign(count + count / 4 + 1, kNone);  // at most four fifths full
}

// The slot where a name's probe starts (a multiply instead of a division).
std::size_t IniSectionIndex::NamedLines::home(std::uint64_t hash) const {
  return static_cast<std::size_t>((static_cast<unsigned __int128>(hash) * slots_.size()) >> 64);
}

void IniSectionIndex::NamedLines::insertNow(const IniSectionIndex& index, std::string_view bytes,
                                            const Waiting& entry) {
  const SlotLayout layout = layoutFor(bytes.size());
  for (std::size_t i = home(entry.hash);; i = i + 1 == slots_.size() ? 0 : i + 1) {
    if (slots_[i] == kNone) {
      slots_[i] = layout.pack(entry.offset, entry.hash);
      return;
    }
    if (layout.tagMatches(slots_[i], entry.hash) &&
        equalsIgnoringAsciiCase(index.keyLineAt(bytes, layout.offset(slots_[i])).name, entry.name))
      return;
  }
}

void IniSectionIndex::NamedLines::insertIfAbsent(const IniSectionIndex& index, std::string_view bytes,
                                                 std::string_view name, std::uint32_t offset) {
  const Waiting entry{nameHash(name), name, offset};
  __builtin_prefetch(&slots_[home(entry.hash)], 1);
  if (queued_ == kQueue) {  // the oldest goes in first: file order is kept
    insertNow(index, bytes, queue_[queueHead_]);
    queue_[queueHead_] = entry;
    queueHead_ = (queueHead_ + 1) % kQueue;
    return;
  }
  queue_[(queueHead_ + queued_++) % kQueue] = entry;
}

void IniSectionIndex::NamedLines::flush(const IniSectionIndex& index, std::string_view bytes) {
  for (; queued_ > 0; --queued_, queueHead_ = (queueHead_ + 1) % kQueue) insertNow(index, bytes, queue_[queueHead_]);
  queueHead_ = 0;
}

std::uint32_t IniSectionIndex::NamedLines::find(const IniSectionIndex& index, std::string_view bytes,
                                                std::string_view name) const {
  if (slots_.empty()) return kNone;
  const SlotLayout layout = layoutFor(bytes.size());
  const std::uint64_t hash = nameHash(name);
  for (std::size_t i = home(hash); slots_[i] != kNone; i = i + 1 == slots_.size() ? 0 : i + 1) {
    const std::uint32_t offset = layout.offset(slots_[i]);
    if (layout.tagMatches(slots_[i], hash) && equalsIgnoringAsciiCase(index.keyLineAt(bytes, offset).name, name))
      return offset;
  }
  return kNone;
}

// --- the section ---

std::optional<std::size_t> IniSectionIndex::numberedSlot(std::string_view name, std::size_t linesSeen) const {
  const auto number = lineNumber(name);
  if (!number || *number >= linesSeen + kNumberSlack) return std::nullopt;
  return number;
}

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

namespace {

// The next LF from p on, or null. Library lines are short: sixteen bytes at
// a time inline beats a call to memchr for each.
const char* findLineFeed(const char* p, const char* end) {
#ifdef __SSE2__
  const __m128i lf = _mm_set1_epi8('\n');
  for (; end - p >= 16; p += 16) {
    const int hits = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), lf));
    if (hits) return p + __builtin_ctz(static_cast<unsigned>(hits));
  }
#endif
  return static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
}

// The common line of a library, "123=text", read in one go: the line number
// and where the next line starts. Anything else (blanks, other keys, long
// lines, the section's end) is left to the full reading of the line.
bool readNumberedLine(std::string_view bytes, std::size_t start, std::size_t& number, std::size_t& next) {
  const char* p = bytes.data() + start;
  const char* end = bytes.data() + bytes.size();
  const char* digits = p;
  std::size_t n = 0;
  while (p < end && *p >= '0' && *p <= '9' && p - digits < 9) n = n * 10 + static_cast<std::size_t>(*p++ - '0');
  if (p == digits || p == end || *p != '=' || (*digits == '0' && p - digits > 1)) return false;
  const char* lf = findLineFeed(p, end);
  next = lf ? static_cast<std::size_t>(lf - bytes.data()) + 1 : bytes.size();
  if (next - start > kLongLineBytes) return false;
  number = n;
  return true;
}

}  // namespace

IniSectionIndex::IniSectionIndex(std::string_view bytes, std::size_t bodyStart) {
  auto at = [&](std::string_view part) { return static_cast<std::uint32_t>(part.data() - bytes.data()); };
  std::size_t linesSeen = 0, namedCount = 0, bodyEnd = bytes.size();
  std::vector<std::uint32_t> fewNamed;
  bool manyNamed = false;
  for (std::size_t pos = bodyStart; pos < bytes.size();) {
    std::size_t number = 0, next = 0;
    if (readNumberedLine(bytes, pos, number, next)) {
      ++linesSeen;
      if (number < linesSeen + kNumberSlack) {
        numbered_.setIfAbsent(number, static_cast<std::uint32_t>(pos));
        pos = next;
        continue;
      }
      --linesSeen;  // filed with the other keys below
    }
    const IniLine line = lineAt(bytes, pos);
    if (line.kind == IniLine::Kind::Section) {
      bodyEnd = pos;
      break;
    }
    ++linesSeen;
    if (line.kind == IniLine::Kind::Key) {
      const auto offset = static_cast<std::uint32_t>(pos);
      if (line.next - line.start > kLongLineBytes)
        longLines_.push_back({offset, at(line.name), static_cast<std::uint32_t>(line.name.size()), at(line.value),
                              static_cast<std::uint32_t>(line.value.size()),
                              static_cast<std::uint32_t>(line.afterEquals),
                              static_cast<std::uint32_t>(line.contentEnd), static_cast<std::uint32_t>(line.next)});
      if (const auto number = numberedSlot(line.name, linesSeen)) {
        numbered_.setIfAbsent(*number, offset);
      } else {
        ++namedCount;
        if (fewNamed.size() < kFewNamed) {
          fewNamed.push_back(offset);
        } else {
          manyNamed = true;
        }
      }
    }
    pos = line.next;
  }
  longLines_.shrink_to_fit();
  if (namedCount == 0) return;

  named_.reserve(namedCount);
  if (!manyNamed) {
    for (std::uint32_t offset : fewNamed) named_.insertIfAbsent(*this, bytes, keyLineAt(bytes, offset).name, offset);
    named_.flush(*this, bytes);
    return;
  }
  fewNamed = {};
  // Many other keys: their table was sized from the count; now fill it.
  linesSeen = 0;
  for (std::size_t pos = bodyStart; pos < bodyEnd;) {
    const IniLine line = keyLineAt(bytes, static_cast<std::uint32_t>(pos));
    ++linesSeen;
    if (line.kind == IniLine::Kind::Key && !numberedSlot(line.name, linesSeen))
      named_.insertIfAbsent(*this, bytes, line.name, static_cast<std::uint32_t>(pos));
    pos = line.next;
  }
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
