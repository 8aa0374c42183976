#include "platform/DisplayModeRecord.h"

namespace lumivox {
namespace {

void put(DisplayModeRecord& record, std::size_t offset, std::uint32_t value, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

DisplayModeRecord displayModeRecord(std::int16_t width, std::int16_t height, std::int16_t color) {
  using namespace devmode;
  DisplayModeRecord record{};
  put(record, kSizeOffset, kRecordedSize, 2);
  const bool withDepth = color != -1;
  put(record, kFieldsOffset, kPelsWidth | kPelsHeight | (withDepth ? kBitsPerPel : 0), 4);
  // Converting through int32_t sign-extends.
  put(record, kPelsWidthOffset, static_cast<std::uint32_t>(static_cast<std::int32_t>(width)), 4);
  put(record, kPelsHeightOffset, static_cast<std::uint32_t>(static_cast<std::int32_t>(height)), 4);
  if (withDepth) put(record, kBitsPerPelOffset, static_cast<std::uint16_t>(color), 2);
  return record;
}

}  // namespace lumivox
