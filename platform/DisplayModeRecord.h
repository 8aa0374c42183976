#pragma once
#include <array>
#include <cstdint>

namespace lumivox {

// The display-mode request handed to ChangeDisplaySettingsA: the Windows ANSI
// DEVMODE up to and including dmDisplayFrequency, little-endian.
inline constexpr std::size_t kDisplayModeRecordSize = 124;
using DisplayModeRecord = std::array<std::uint8_t, kDisplayModeRecordSize>;

namespace devmode {
inline constexpr std::size_t kSizeOffset = 36;         // dmSize, 16 bits
inline constexpr std::size_t kFieldsOffset = 40;       // dmFields
inline constexpr std::size_t kBitsPerPelOffset = 104;  // dmBitsPerPel
inline constexpr std::size_t kPelsWidthOffset = 108;   // dmPelsWidth
inline constexpr std::size_t kPelsHeightOffset = 112;  // dmPelsHeight

inline constexpr std::uint16_t kRecordedSize = 122;
inline constexpr std::uint32_t kBitsPerPel = 0x00040000;  // DM_BITSPERPEL
inline constexpr std::uint32_t kPelsWidth = 0x00080000;   // DM_PELSWIDTH
inline constexpr std::uint32_t kPelsHeight = 0x00100000;  // DM_PELSHEIGHT
}  // namespace devmode

// All zero but dmSize (122), dmFields, the width and height (sign-extended)
// and, unless color is -1, the colour depth as 16 bits in the low half of
// dmBitsPerPel. color -1 asks for a new size only.
DisplayModeRecord displayModeRecord(std::int16_t width, std::int16_t height, std::int16_t color);

}  // namespace lumivox
