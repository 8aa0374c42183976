#include "library/IniSectionIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include "common/SmallThread.h"
#include "library/IniNameHash.h"
#include "library/LineCursor.h"

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
    // Other keys are told apart by their first letter, before any arithmetic.
    if (bytes.size() - pos < 8 || static_cast<unsigned char>(bytes[pos] - '0') > 9) return 0;
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

// What a helper thread reads ahead in the second half of a large section.
// An other key written plainly means the same wherever its section's lines
// begin, so the helper keeps it itself, in a store of its own. Of each other
// line it notes where it starts, its place among the lines it read and, for
// a line number, the number: what those lines mean (their place among the
// line numbers, where the section ends) is decided in order afterwards.
struct alignas(64) LinesAhead {  // alignas: its thread writes it while the other works beside it
  enum Kind : std::uint32_t { Unread, Number };
  // A line's start in the low bits, its kind above them (files are below
  // 512 MiB); value: the number.
  static constexpr unsigned kKindShift = 30;
  std::size_t end = 0;         // where the first line not read starts
  std::size_t lines = 0;       // lines read, the kept keys' included
  std::size_t namedCount = 0;  // keys kept
  KeptNames* named;

  // Room for that many noted lines, made by the thread that indexes: the
  // reading thread allocates nothing (which would give it an arena of its own).
  LinesAhead(std::size_t maxLines, KeptNames& keep)
      : named(&keep), notes_(3 * maxLines * sizeof(std::uint32_t)), capacity_(maxLines) {}
  std::size_t size() const { return size_; }
  std::size_t start(std::size_t i) const { return startAndKind()[i] & ((std::uint32_t{1} << kKindShift) - 1); }
  Kind kind(std::size_t i) const { return static_cast<Kind>(startAndKind()[i] >> kKindShift); }
  std::uint32_t value(std::size_t i) const { return notes_.as<std::uint32_t>()[capacity_ + i]; }
  std::uint32_t lineIndex(std::size_t i) const { return notes_.as<std::uint32_t>()[2 * capacity_ + i]; }

  // Stops where there is no more room; the indexing thread reads on from end.
  void read(std::string_view bytes, std::size_t from) {
    LineCursor cursor(bytes);
    std::size_t pos = from;
    while (pos < bytes.size() && size_ < capacity_) {
      std::size_t number = 0;
      const std::size_t digits = leadingLineNumber(bytes, pos, number);
      const LineSpan span = digits ? cursor.lineAt<false>(pos) : cursor.lineAt(pos);
      Kind k = Unread;
      if (span.next - pos <= kLongLineBytes) {
        if (digits) {
          k = Number;
        } else if (const auto name = plainName(bytes, pos, span); name && !lineNumber(*name)) {
          if (!named->add({static_cast<std::uint32_t>(pos), iniNameHash(*name)})) break;
          ++namedCount;
          ++lines;
          pos = span.next;
          continue;
        }
      }
      if (size_ % kNotesPrepared == 0)  // the pages of the next notes made at once
        for (std::size_t array = 0; array < 3; ++array)
          notes_.prepare((array * capacity_ + size_) * sizeof(std::uint32_t), kNotesPrepared * sizeof(std::uint32_t));
      std::uint32_t* notes = notes_.as<std::uint32_t>();
      notes[size_] = static_cast<std::uint32_t>(pos) | (std::uint32_t{k} << kKindShift);
      notes[capacity_ + size_] = static_cast<std::uint32_t>(number);
      notes[2 * capacity_ + size_] = static_cast<std::uint32_t>(lines);
      ++size_;
      ++lines;
      pos = span.next;
    }
    end = pos;
  }

 private:
  const std::uint32_t* startAndKind() const { return notes_.as<std::uint32_t>(); }
  static constexpr std::size_t kNotesPrepared = 16384;
  SystemPages notes_;  // starts and kinds, then values, then line indexes
  std::size_t capacity_, size_ = 0;
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

  // The lines from `from` on, after linesBefore lines of the same body.
  SectionLines(std::string_view bytes, std::size_t from, std::size_t linesBefore = 0)
      : bytes_(bytes), cursor_(bytes), pos_(from), linesSeen_(linesBefore) {}

  std::size_t linesSeen() const { return linesSeen_; }

  [[gnu::always_inline]] bool next(Line& line) {  // inline: it runs once a line
    if (pos_ >= bytes_.size()) return false;
    line.start = pos_;
    line.full.reset();
    ++linesSeen_;
    LineSpan span;
    if (const std::size_t digits = leadingLineNumber(bytes_, line.start, line.number)) {
      // The common line: its end is all that is missing.
      span = {cursor_.lineAt<false>(line.start).next, line.start + digits};
      line.next = pos_ = span.next;
      if (line.next - line.start <= kLongLineBytes && isNumberedSlot(line.number, linesSeen_)) {
        line.kind = Kind::Numbered;
        return true;
      }
    } else {
      span = cursor_.lineAt(line.start);
      line.next = pos_ = span.next;
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
      line.nameHash = iniNameHash(name);
    }
    return true;
  }

  std::string_view bytes_;
  LineCursor cursor_;
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
// Read-ahead notes take twelve bytes a line, room for one a this many bytes
// of the second half: past what fits, the indexing thread reads on itself.
constexpr std::size_t kBytesPerLineAhead = 64;
}  // namespace

// What indexing the lines gathers besides the tables.
struct IniSectionIndex::Gathered {
  std::size_t keepAtMost = 0, namedCount = 0, bodyEnd = 0;
  unsigned groupBits = 0;
  std::optional<KeptNames> kept;       // made at the first other key
  std::optional<KeptNames> keptAhead;  // the read-ahead's own
  bool keptAll = true, sectionEnded = false;
};

IniSectionIndex::IniSectionIndex(std::string_view bytes, std::size_t bodyStart, Tuning tuning) {
  Gathered gathered;
  gathered.keepAtMost = std::max(kFewNamed, bytes.size() / kFileBytesPerKeptKey);
  gathered.groupBits = KeptNames::groupBitsFor(bytes.size(), tuning.slotsPerGroup);
  gathered.bodyEnd = bytes.size();

  // Where the second half starts: the line after the middle.
  std::size_t middle = bytes.size();
  if (bytes.size() - bodyStart >= tuning.readAheadFrom && processorCount() > 1) {
    // Not far: a middle in a huge line leaves little to read ahead anyway.
    const std::size_t half = bodyStart + (bytes.size() - bodyStart) / 2;
    const std::size_t lf = bytes.substr(0, std::min(bytes.size(), half + 65536)).find('\n', half);
    if (lf != std::string_view::npos && lf + 1 < bytes.size()) middle = lf + 1;
  }
  SectionLines first(bytes.substr(0, middle), bodyStart);
  if (middle == bytes.size()) {
    gather(bytes, first, gathered);
  } else {
    // The helper keeps the other keys of its half within its share of the room.
    const std::size_t aheadShare =
        static_cast<std::size_t>(static_cast<double>(gathered.keepAtMost) * static_cast<double>(bytes.size() - middle) /
                                 static_cast<double>(bytes.size() - bodyStart));
    std::optional<LinesAhead> ahead;
    try {
      gathered.keptAhead.emplace(aheadShare, gathered.groupBits);
      ahead.emplace((bytes.size() - middle) / kBytesPerLineAhead + 1, *gathered.keptAhead);
      gathered.keepAtMost -= aheadShare;
    } catch (const std::bad_alloc&) {  // no room: this thread reads it all itself
      ahead.reset();
      gathered.keptAhead.reset();
    }
    SmallThread reader([&] {
      if (ahead) ahead->read(bytes, middle);
    });
    gather(bytes, first, gathered);
    reader.join();
    if (!gathered.sectionEnded) {
      if (ahead) {
        gatherAhead(bytes, *ahead, first.linesSeen(), gathered);
      } else {
        SectionLines second(bytes, middle, first.linesSeen());
        gather(bytes, second, gathered);
      }
    }
  }  // what was read ahead is let go before the table of other keys is made
  longLines_.shrink_to_fit();
  if (gathered.namedCount == 0) return;

  // Where the lines are walked again instead, what was kept goes before the table comes.
  if (!gathered.keptAll) gathered.keptAhead.reset();
  named_.reserve(gathered.namedCount, bytes.size());
  if (!gathered.keptAll) {
    fileNamedAgain(bytes, bodyStart, gathered.bodyEnd);
  } else {
    named_.fileKept(*this, bytes, gathered.kept ? &*gathered.kept : nullptr,
                    gathered.keptAhead ? &*gathered.keptAhead : nullptr, gathered.bodyEnd, tuning);
  }
}

template <typename Line>
bool IniSectionIndex::take(std::string_view bytes, const Line& line, Gathered& gathered) {
  const auto offset = static_cast<std::uint32_t>(line.start);
  switch (line.kind) {
    case decltype(line.kind)::Section:
      gathered.bodyEnd = line.start;
      gathered.sectionEnded = true;
      return false;
    case decltype(line.kind)::Numbered:
      numbered_.setIfAbsent(line.number, offset);
      break;
    case decltype(line.kind)::Named:
      ++gathered.namedCount;
      if (!gathered.keptAll) break;
      if (!gathered.kept) gathered.kept.emplace(gathered.keepAtMost, gathered.groupBits);
      if (!gathered.kept->add({offset, line.nameHash})) {
        gathered.keptAll = false;
        gathered.kept.reset();
      }
      break;
    case decltype(line.kind)::Other:
      break;
  }
  if (line.full && line.full->kind == IniLine::Kind::Key && line.next - line.start > kLongLineBytes)
    addLongLine(bytes, *line.full);
  return true;
}

template <typename Lines>
void IniSectionIndex::gather(std::string_view bytes, Lines& lines, Gathered& gathered) {
  for (typename Lines::Line line; lines.next(line);)
    if (!take(bytes, line, gathered)) return;
}

// The second half as read ahead: its kept keys count, and each noted line
// is settled in order, where it stands among the lines.
template <typename Ahead>
void IniSectionIndex::gatherAhead(std::string_view bytes, const Ahead& ahead, std::size_t linesBefore,
                                  Gathered& gathered) {
  gathered.namedCount += ahead.namedCount;
  SectionLines::Line line;
  for (std::size_t i = 0; i < ahead.size(); ++i) {
    const std::size_t linesSeen = linesBefore + ahead.lineIndex(i) + 1;
    if (ahead.kind(i) == LinesAhead::Number && isNumberedSlot(ahead.value(i), linesSeen)) {
      numbered_.setIfAbsent(ahead.value(i), static_cast<std::uint32_t>(ahead.start(i)));
      continue;
    }
    SectionLines one(bytes, ahead.start(i), linesSeen - 1);
    one.next(line);
    if (!take(bytes, line, gathered)) return;
  }
  SectionLines rest(bytes, ahead.end, linesBefore + ahead.lines);
  gather(bytes, rest, gathered);
}

void IniSectionIndex::fileNamedAgain(std::string_view bytes, std::size_t bodyStart, std::size_t bodyEnd) {
  named_.emptyAllSlots();
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
