#include "library/KeptNames.h"

#include <algorithm>
#include <bit>

namespace lumivox {

KeptNames::KeptNames(std::size_t atMost, unsigned groupBits)
    : groupBits_(std::min(groupBits, 16u)),
      atMost_(atMost),
      head_(std::size_t{1} << groupBits_, kNoChunk),
      tail_(std::size_t{1} << groupBits_, kNoChunk),
      tailFill_(std::size_t{1} << groupBits_, static_cast<std::uint16_t>(kChunk)) {
  // Every group may leave one chunk part empty.
  const std::size_t chunks = (atMost + kChunk - 1) / kChunk + groups();
  pages_ = SystemPages(chunks * kChunk * sizeof(Entry));
  entries_ = pages_.as<Entry>();
  nextChunk_.assign(chunks, kNoChunk);
}

unsigned KeptNames::groupBitsFor(std::size_t fileBytes, std::size_t slotsPerGroup) {
  const std::size_t groups = fileBytes / 16 / std::max<std::size_t>(slotsPerGroup, 1);
  return groups <= 1 ? 0u : std::min(12u, static_cast<unsigned>(std::bit_width(groups - 1)));
}

}  // namespace lumivox
