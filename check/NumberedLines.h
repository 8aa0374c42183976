#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumivox {

// The numbered keys of a section ("0", "1", "2", ...) and the line of the
// first key of each number, the one a lookup finds. Numbers up to a limit
// (set from the file's size, so it holds whatever numbering a real library
// has) go in a table, four bytes a number; one far beyond it (a lone
// "999999999=") is listed aside, with where its line starts, and compared
// with the others at the end, so no file can make the table huge.
class NumberedLines {
 public:
  explicit NumberedLines(std::size_t tableLimit = 0) : tableLimit_(tableLimit) {}

  // Records the number's line (starting at byte `lineStart` of the file);
  // gives the line of an earlier key of the same number instead, or 0 when
  // this is the first (or is far: see settle).
  std::uint32_t add(std::uint32_t number, std::uint32_t line, std::size_t lineStart);

  // After the last add: calls repeated(number, later line, its start, first
  // line) for each repeat among the far numbers, keeping only the first of
  // each.
  template <typename Repeated>
  void settle(Repeated repeated) {
    std::stable_sort(far_.begin(), far_.end(), [](const Far& a, const Far& b) { return a.number < b.number; });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < far_.size(); ++i) {
      if (kept > 0 && far_[kept - 1].number == far_[i].number) {
        repeated(far_[i].number, far_[i].line, far_[i].lineStart, far_[kept - 1].line);
        continue;
      }
      far_[kept++] = far_[i];
    }
    far_.resize(kept);
  }

  std::size_t count() const { return count_ + far_.size(); }
  // Whether a key has the number (after settle).
  bool has(std::uint32_t number) const;

  // Calls visit(number, line) for the numbers present, in ascending order.
  template <typename Visit>
  void forEach(Visit visit) const {
    for (std::size_t number = 0; number < byNumber_.size(); ++number)
      if (byNumber_[number]) visit(static_cast<std::uint32_t>(number), byNumber_[number]);
    for (const Far& far : far_) visit(far.number, far.line);
  }

 private:
  struct Far {
    std::uint32_t number, line;
    std::size_t lineStart;
  };

  std::size_t tableLimit_;
  std::vector<std::uint32_t> byNumber_;  // 0: none
  std::size_t count_ = 0;                // in the table
  std::vector<Far> far_;
};

}  // namespace lumivox
