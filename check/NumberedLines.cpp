#include "check/NumberedLines.h"

namespace lumivox {
namespace {

constexpr std::size_t kNumberSlack = 4096;

}  // namespace

std::uint32_t NumberedLines::add(std::uint32_t number, std::uint32_t line) {
  if (number >= byNumber_.size() && number <= count_ + kNumberSlack) {
    byNumber_.resize(std::size_t{number} + 1, 0);
    // What was far is within the table now.
    while (!far_.empty() && far_.begin()->first < byNumber_.size()) {
      byNumber_[far_.begin()->first] = far_.begin()->second;
      far_.erase(far_.begin());
    }
  }
  if (number < byNumber_.size()) {
    if (byNumber_[number]) return byNumber_[number];
    byNumber_[number] = line;
  } else {
    const auto [it, added] = far_.emplace(number, line);
    if (!added) return it->second;
  }
  ++count_;
  return 0;
}

}  // namespace lumivox
