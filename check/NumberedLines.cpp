#include "check/NumberedLines.h"

#include <algorithm>

namespace lumivox {

std::uint32_t NumberedLines::add(std::uint32_t number, std::uint32_t line) {
  if (number >= tableLimit_) {
    far_.emplace_back(number, line);
    return 0;
  }
  if (number >= byNumber_.size()) byNumber_.resize(std::size_t{number} + 1, 0);
  if (byNumber_[number]) return byNumber_[number];
  byNumber_[number] = line;
  ++count_;
  return 0;
}

void NumberedLines::sortFar() { std::sort(far_.begin(), far_.end()); }

}  // namespace lumivox
