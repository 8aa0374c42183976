#include "library/IniSectionIndex.h"

#include <algorithm>
#include <cstring>

#include "common/AsciiCase.h"
#include "common/Blanks.h"

namespace lumivox {
namespace {

constexpr std::uint32_t kNone = 0xFFFFFFFFu;
// A number this far beyond the lines seen so far is listed with the other
// keys, so a lone "999999999=" cannot make the table huge.
constexpr std::size_t kNumberSlack = 4096;

// "0", or up to nine digits without a leading zero: the keys the program asks for.
std::optional<std::size_t> lineNumber(std::string_view key) {
  if (key.empty() || key.size() > 9 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  std::size_t number = 0;
  for (const char c : key) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + static_cast<std::size_t>(c - '0');
  }
  return number;
}

// The usual library line starts "123=": such a line is a key line of that
// number whatever follows, so only its end is still to be found. Gives the
// count of digits, or 0 for any other line.
std::size_t leadingNumber(std::string_view bytes, std::size_t pos, std::size_t& number) {
  const std::size_t limit = std::min(bytes.size(), pos + 10);  // ten digits are too many
  std::size_t end = pos;
  number = 0;
  for (; end < limit && bytes[end] >= '0' && bytes[end] <= '9'; ++end)
    number = number * 10 + static_cast<std::size_t>(bytes[end] - '0');
  const std::size_t digits = end - pos;
  if (digits == 0 || digits == 10 || end == bytes.size() || bytes[end] != '=' || (digits > 1 && bytes[pos] == '0'))
    return 0;
  return digits;
}


// The name of the key line that starts there: what comes before its first
// '=', without blanks around it.
std::string_view keyNameAt(std::string_view bytes, std::size_t start) {
  std::size_t end = bytes.find('=', start);
  while (isSpaceOrTab(bytes[start])) ++start;
  while (isSpaceOrTab(bytes[end - 1])) --end;
  return bytes.substr(start, end - start);
}

}  // namespace

IniSectionIndex::IniSectionIndex(std::string_view bytes, std::size_t bodyStart) {
  std::size_t lines = 0;
  for (std::size_t pos = bodyStart, next = 0; pos < bytes.size(); pos = next, ++lines) {
    const auto offset = static_cast<std::uint32_t>(pos);
    std::size_t number = 0;
    if (const std::size_t digits = leadingNumber(bytes, pos, number)) {
      const char* base = bytes.data();
      const void* lf = std::memchr(base + pos + digits, '\n', bytes.size() - pos - digits);
      next = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - base) + 1 : bytes.size();
    } else {
      const IniLine line = lineAt(bytes, pos);
      next = line.next;
      if (line.kind == IniLine::Kind::Section) break;
      if (line.kind == IniLine::Kind::Other) continue;
      const auto found = lineNumber(line.name);
      if (!found) {
        others_.push_back(offset);
        continue;
      }
      number = *found;
    }
    if (number >= lines + kNumberSlack) {
      others_.push_back(offset);
    } else if (number >= numbered_.size()) {
      if (number > numbered_.size()) numbered_.resize(number, kNone);
      numbered_.push_back(offset);
    } else if (numbered_[number] == kNone) {
      numbered_[number] = offset;
    }
  }
}

std::optional<IniLine> IniSectionIndex::find(std::string_view bytes, std::string_view key) const {
  std::uint32_t first = kNone;
  if (const auto number = lineNumber(key); number && *number < numbered_.size()) first = numbered_[*number];
  // The list is in file order; a number listed there (far ahead of its place)
  // counts only if it comes before the line in the table.
  for (const std::uint32_t start : others_) {
    if (start > first) break;
    if (equalsIgnoringAsciiCase(keyNameAt(bytes, start), key)) {
      first = start;
      break;
    }
  }
  if (first == kNone) return std::nullopt;
  return lineAt(bytes, first);
}

std::size_t IniSectionIndex::memoryBytes() const {
  // The deques' own bookkeeping adds a pointer a 512-byte block.
  const std::size_t entries = numbered_.size() + others_.size();
  return sizeof(*this) + entries * sizeof(std::uint32_t) * 65 / 64;
}

}  // namespace lumivox
