#pragma once
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "library/ByteScan.h"

namespace lumivox {

// Where a line ends (after its LF, or at the end of the bytes) and its first
// '=' (npos for none).
struct LineSpan {
  std::size_t next, equals;
};

// Finds lines one after another. Library lines are short, so LFs (and '='
// when asked for) are found for 64 bytes at a time and that block serves
// every line that starts in it, where a scan per line would stop and start
// again at each.
// Any place may be asked for; the next line's start is the cheap one.
// Longer lines go to memchr once they outgrow their block.
class LineCursor {
 public:
  explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}

  // Without equals, the '=' is not looked for (equals stays npos): a line
  // number's '=' is already known.
  template <bool withEquals = true>
  LineSpan lineAt(std::size_t pos) {
    constexpr std::size_t npos = std::string_view::npos;
    if (pos < blockAt_ || pos - blockAt_ >= 64) load(pos);
    const auto from = static_cast<unsigned>(pos - blockAt_);
    const std::uint64_t lfs = lfs_ >> from << from;
    std::uint64_t eqs = 0;
    if constexpr (withEquals) {
      if (!eqsFound_) {
        eqs_ = count_ == 64 ? byteMask64(bytes_.data() + blockAt_, '=')
                            : byteMaskPartial(bytes_.data() + blockAt_, count_, '=');
        eqsFound_ = true;
      }
      eqs = eqs_ >> from << from;
    }
    if (lfs) eqs &= (lfs & (0 - lfs)) - 1;  // before the LF
    std::size_t equals = eqs ? blockAt_ + static_cast<std::size_t>(std::countr_zero(eqs)) : npos;
    if (lfs) return {blockAt_ + static_cast<std::size_t>(std::countr_zero(lfs)) + 1, equals};
    const std::size_t rest = blockAt_ + count_;
    if (rest == bytes_.size()) return {rest, equals};
    // A line longer than the block: the C library finds the rest fastest.
    const char* base = bytes_.data();
    const void* lf = std::memchr(base + rest, '\n', bytes_.size() - rest);
    const std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - base) : bytes_.size();
    if (withEquals && equals == npos)
      if (const void* eq = std::memchr(base + rest, '=', end - rest))
        equals = static_cast<std::size_t>(static_cast<const char*>(eq) - base);
    return {lf ? end + 1 : end, equals};
  }

 private:
  void load(std::size_t pos) {
    blockAt_ = pos;
    count_ = std::min<std::size_t>(64, bytes_.size() - pos);
    const char* p = bytes_.data() + pos;
    lfs_ = count_ == 64 ? byteMask64(p, '\n') : byteMaskPartial(p, count_, '\n');
    eqsFound_ = false;
  }

  std::string_view bytes_;
  std::size_t blockAt_ = static_cast<std::size_t>(-1);  // no block yet
  std::size_t count_ = 0;  // bytes in the block
  std::uint64_t lfs_ = 0, eqs_ = 0;
  bool eqsFound_ = false;
};

}  // namespace lumivox
