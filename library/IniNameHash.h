#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace lumivox {

// The hash by which an initialisation file's key names are found, the same
// for names that differ only in the case of ASCII letters (as the format
// compares them). Inline: indexing a library runs it once a key line.

// ASCII capitals of eight bytes at once made small; other bytes stay.
inline std::uint64_t lowerAscii8(std::uint64_t x) {
  const std::uint64_t low7 = x & 0x7F7F7F7F7F7F7F7Full;
  const std::uint64_t fromA = low7 + 0x3F3F3F3F3F3F3F3Full;   // top bit set where >= 'A'
  const std::uint64_t pastZ = low7 + 0x2525252525252525ull;   // top bit set where > 'Z'
  const std::uint64_t capitals = fromA & ~pastZ & ~x & 0x8080808080808080ull;
  return x | (capitals >> 2);
}

// Of the lower-case name, eight bytes a step. The last step reads its bytes
// with loads that may overlap, never one byte at a time.
inline std::uint32_t iniNameHash(std::string_view name) {
  std::uint64_t hash = (name.size() + 1) * 0x9E3779B97F4A7C15ull;
  auto mixIn = [&](std::uint64_t word) {
    hash = (hash ^ lowerAscii8(word)) * 0xBF58476D1CE4E5B9ull;
    hash ^= hash >> 29;
  };
  auto load = [](const char* p, auto word) {
    std::memcpy(&word, p, sizeof word);
    return std::uint64_t{word};
  };
  const char* p = name.data();
  const std::size_t size = name.size();
  std::size_t done = 0;
  for (; done + 8 <= size; done += 8) mixIn(load(p + done, std::uint64_t{}));
  const std::size_t left = size - done;
  if (size >= 8 && left) {
    mixIn(load(p + size - 8, std::uint64_t{}));
  } else if (left >= 4) {
    mixIn(load(p, std::uint32_t{}) | load(p + left - 4, std::uint32_t{}) << 32);
  } else if (left) {
    mixIn(std::uint64_t{static_cast<unsigned char>(p[0])} | std::uint64_t{static_cast<unsigned char>(p[left / 2])} << 8 |
          std::uint64_t{static_cast<unsigned char>(p[left - 1])} << 16);
  }
  hash *= 0x94D049BB133111EBull;
  return static_cast<std::uint32_t>(hash >> 32);
}

}  // namespace lumivox
