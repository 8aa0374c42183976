#include <windows.h>

#include <cstddef>
#include <cstring>

#include "platform/DisplayMode.h"
#include "platform/DisplayModeRecord.h"

namespace lumivox {

static_assert(offsetof(DEVMODEA, dmSize) == devmode::kSizeOffset);
static_assert(offsetof(DEVMODEA, dmFields) == devmode::kFieldsOffset);
static_assert(offsetof(DEVMODEA, dmBitsPerPel) == devmode::kBitsPerPelOffset);
static_assert(offsetof(DEVMODEA, dmPelsWidth) == devmode::kPelsWidthOffset);
static_assert(offsetof(DEVMODEA, dmPelsHeight) == devmode::kPelsHeightOffset);
static_assert(offsetof(DEVMODEA, dmDisplayFrequency) + sizeof(DWORD) == kDisplayModeRecordSize);

std::int32_t SetDisplayMode(const std::int16_t& width, const std::int16_t& height, const std::int16_t& color) {
  const DisplayModeRecord record = displayModeRecord(width, height, color);
  DEVMODEA mode{};  // today's DEVMODEA is longer; dmSize says how much of it counts
  std::memcpy(&mode, record.data(), record.size());
  // Flags 0: for this session only, nothing stored, no trial run first.
  return ChangeDisplaySettingsA(&mode, 0);
}

}  // namespace lumivox
