#pragma once
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace lumivox {

// The numbered keys of a section ("0", "1", "2", ...) and the line of the
// first key of each number, the one a lookup finds. Four bytes a number up
// to the count of numbers seen; a number far beyond them (a lone
// "999999999=") is kept aside, so it cannot make the table huge.
class NumberedLines {
 public:
  // Records the number's line; gives the line of an earlier key of the same
  // number instead, or 0 when this is the first.
  std::uint32_t add(std::uint32_t number, std::uint32_t line);

  std::size_t count() const { return count_; }

  // Calls visit(number, line) for the numbers present, in ascending order.
  template <typename Visit>
  void forEach(Visit visit) const {
    for (std::size_t number = 0; number < byNumber_.size(); ++number)
      if (byNumber_[number]) visit(static_cast<std::uint32_t>(number), byNumber_[number]);
    for (const auto& [number, line] : far_) visit(number, line);
  }

 private:
  std::vector<std::uint32_t> byNumber_;  // 0: none
  std::map<std::uint32_t, std::uint32_t> far_;  // all beyond the table
  std::size_t count_ = 0;
};

}  // namespace lumivox
