#include <gtest/gtest.h>

#include <map>

#include "platform/DisplayModeRecord.h"

#ifdef _WIN32
#include <windows.h>

#include <cstring>
#endif

using namespace lumivox;

namespace {

// The record's non-zero bytes by offset; every other byte must be 0.
using Bytes = std::map<std::size_t, std::uint8_t>;

void expectOnly(const DisplayModeRecord& record, const Bytes& expected) {
  ASSERT_EQ(record.size(), 124u);
  for (std::size_t i = 0; i < record.size(); ++i) {
    const auto found = expected.find(i);
    EXPECT_EQ(record[i], found == expected.end() ? 0 : found->second) << "byte " << i;
  }
}

}  // namespace

TEST(DisplayModeRecord, SizeOnlyWhenColorIsMinusOne) {
  expectOnly(displayModeRecord(1024, 768, -1), {
                                                   {36, 122},           // dmSize, not 124
                                                   {42, 0x18},          // DM_PELSWIDTH | DM_PELSHEIGHT
                                                   {108, 0x00}, {109, 0x04},  // 1024
                                                   {112, 0x00}, {113, 0x03},  // 768
                                               });
}

TEST(DisplayModeRecord, ColourDepthIsSixteenBitsInTheLowHalf) {
  expectOnly(displayModeRecord(800, 600, 32), {
                                                  {36, 122},
                                                  {42, 0x1C},  // and DM_BITSPERPEL
                                                  {104, 32},
                                                  {108, 0x20}, {109, 0x03},  // 800
                                                  {112, 0x58}, {113, 0x02},  // 600
                                              });
  // Negative depths keep their 16 bits and are not extended into the high half.
  expectOnly(displayModeRecord(0, 0, -2), {{36, 122}, {42, 0x1C}, {104, 0xFE}, {105, 0xFF}});
}

TEST(DisplayModeRecord, NegativeSizesAreSignExtended) {
  expectOnly(displayModeRecord(-1, -32768, -1), {
                                                    {36, 122},
                                                    {42, 0x18},
                                                    {108, 0xFF}, {109, 0xFF}, {110, 0xFF}, {111, 0xFF},
                                                    {112, 0x00}, {113, 0x80}, {114, 0xFF}, {115, 0xFF},
                                                });
  const auto widest = displayModeRecord(32767, 1, 8);
  EXPECT_EQ(widest[108], 0xFF);
  EXPECT_EQ(widest[109], 0x7F);
  EXPECT_EQ(widest[110], 0x00);
}

#ifdef _WIN32
// Read back through the system's own structure, the fields are where Windows looks.
TEST(DisplayModeRecord, FillsTheSystemsDevmode) {
  const auto record = displayModeRecord(-640, 480, 16);
  DEVMODEA mode{};
  std::memcpy(&mode, record.data(), record.size());
  EXPECT_EQ(mode.dmSize, 122);
  EXPECT_EQ(mode.dmFields, static_cast<DWORD>(DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT));
  EXPECT_EQ(static_cast<LONG>(mode.dmPelsWidth), -640);
  EXPECT_EQ(mode.dmPelsHeight, 480u);
  EXPECT_EQ(mode.dmBitsPerPel, 16u);
  EXPECT_EQ(mode.dmDeviceName[0], 0);
  EXPECT_EQ(mode.dmFormName[0], 0);
  EXPECT_EQ(mode.dmDisplayFrequency, 0u);
}
#endif
