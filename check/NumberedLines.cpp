#include "check/NumberedLines.h"

namespace lumivox {

std::uint32_t NumberedLines::add(std::uint32_t number, std::uint32_t line, std::size_t lineStart) {
  if (number >= tableLimit_) {
    far_.push_back({number, line, lineStart});
    return 0;
  }
  if (number >= byNumber_.size()) byNumber_.resize(std::size_t{number} + 1, 0);
  if (byNumber_[number]) return byNumber_[number];
  byNumber_[number] = line;
  ++count_;
  return 0;
}

bool NumberedLines::has(std::uint32_t number) const {
  if (number < byNumber_.size()) return byNumber_[number] != 0;
  return std::binary_search(far_.begin(), far_.end(), Far{number, 0, 0},
                            [](const Far& a, const Far& b) { return a.number < b.number; });
}

}  // namespace lumivox
