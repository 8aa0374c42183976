#pragma once
#include <array>
#include <cstddef>

namespace lumivox {

// Code page 936 as the system knows it, asked once by platform/TextCodec.cpp
// and kept. Each platform's TextCodec file fills it.
inline constexpr unsigned char kGbkLeadFirst = 0x81, kGbkLeadLast = 0xFE;
inline constexpr unsigned char kGbkTrailFirst = 0x40, kGbkTrailLast = 0xFE;
inline constexpr std::size_t kGbkLeads = kGbkLeadLast - kGbkLeadFirst + 1;
inline constexpr std::size_t kGbkTrails = kGbkTrailLast - kGbkTrailFirst + 1;

inline bool isGbkLead(unsigned char byte) { return byte >= kGbkLeadFirst && byte <= kGbkLeadLast; }
// The bytes that may follow a lead byte (0x7F never does).
inline bool isGbkTrail(unsigned char byte) { return byte >= kGbkTrailFirst && byte <= kGbkTrailLast && byte != 0x7F; }

struct GbkCodePage {
  // The character of each byte from 0x80 on that is no lead byte (0x80,
  // 0xFF), and of each pair of a lead and a trail byte; 0 where none.
  char16_t singles[2] = {};
  std::array<char16_t, kGbkLeads* kGbkTrails> pairs = {};

  char16_t single(unsigned char byte) const { return singles[byte == 0x80 ? 0 : 1]; }
  char16_t& single(unsigned char byte) { return singles[byte == 0x80 ? 0 : 1]; }
  char16_t pair(unsigned char lead, unsigned char trail) const { return pairs[pairIndex(lead, trail)]; }
  char16_t& pair(unsigned char lead, unsigned char trail) { return pairs[pairIndex(lead, trail)]; }

 private:
  static std::size_t pairIndex(unsigned char lead, unsigned char trail) {
    return std::size_t(lead - kGbkLeadFirst) * kGbkTrails + (trail - kGbkTrailFirst);
  }
};

// Asks the system for every character of the code page.
void readSystemGbkCodePage(GbkCodePage& page);

}  // namespace lumivox
