#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "show/PixelSurface.h"
#include "show/XpPictures.h"

using lumivox::Picture;

namespace {

int channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }
int channelSum(std::uint32_t rgb) { return channel(rgb, 16) + channel(rgb, 8) + channel(rgb, 0); }
int largestChannelGap(std::uint32_t a, std::uint32_t b) {
  int gap = 0;
  for (int shift : {16, 8, 0}) gap = std::max(gap, std::abs(channel(a, shift) - channel(b, shift)));
  return gap;
}

TEST(XpPictures, FrameIsTheRoundedGreyAndWhiteBorder) {
  const Picture& img = lumivox::framePicture();
  ASSERT_EQ(img.width, 59);
  ASSERT_EQ(img.height, 13);
  constexpr std::uint32_t K = 0x6B696B, G = 0x7B7D7B, S = 0xADAAA5, D = 0x737573, M = 0xBDBEBD,
                          L = 0xEFEFEF, W = 0xFFFFFF;
  // Columns 0..4 of each row; from column 4 to 54 a row is uniform, and each
  // row is its own mirror image.
  const std::uint32_t left[13][5] = {
      {W, S, G, K, K}, {S, D, M, M, M}, {G, M, M, L, L}, {K, M, L, L, W}, {K, M, L, W, W},
      {K, M, L, W, W}, {K, M, L, W, W}, {K, M, L, W, W}, {K, M, L, W, W}, {K, M, L, W, W},
      {G, M, L, L, W}, {S, D, L, L, L}, {W, S, G, K, K},
  };
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(img.at(x, y), left[y][x]) << x << "," << y;
    for (int x = 5; x < 55; ++x) EXPECT_EQ(img.at(x, y), left[y][4]) << x << "," << y;
    for (int x = 0; x < 59; ++x) EXPECT_EQ(img.at(x, y), img.at(58 - x, y)) << x << "," << y;
  }
}

TEST(XpPictures, BlankIsWhite) {
  const Picture& blank = lumivox::blankPicture();
  EXPECT_EQ(blank.width, 8);
  EXPECT_EQ(blank.height, 10);
  EXPECT_TRUE(std::all_of(blank.pixels.begin(), blank.pixels.end(), [](auto p) { return p == 0xFFFFFF; }));
}

struct LookExpectation {
  const char* name;
  std::uint32_t leftColumn[10];
  int tolerance;
};

const LookExpectation kLooks[8] = {
    {"master", {0x95E996, 0x7CE47E, 0x66DF68, 0x4DDA50, 0x35D538, 0x29D22C, 0x2ED331, 0x41D744, 0x5BDD5D, 0x76E277}, 6},
    {"blue", {0x409FFF, 0x3399FF, 0x2492FF, 0x0482FF, 0x007AF4, 0x0076EC, 0x007AF4, 0x0482FF, 0x2492FF, 0x3399FF}, 0},
    {"bluemet", {0x5D95BB, 0x4481A8, 0x316E94, 0x215C7A, 0x164B56, 0x134335, 0x134442, 0x1A516A, 0x286688, 0x3D78A1}, 16},
    {"goldmet", {0xEDD4A2, 0xE6C97D, 0xDFBE53, 0xD8B22F, 0xD8AC2F, 0xD8A82F, 0xD8A92F, 0xD8AE2F, 0xDDB948, 0xE5C576}, 25},
    {"grmet", {0x95B38E, 0xA4D498, 0xC3E3BA, 0xA4D498, 0x8DBC82, 0x83AE76, 0x76A66A, 0x83AE76, 0x8FBC82, 0x98C88C}, 6},
    {"greymet", {0xCDCDCD, 0xB6B6B6, 0xA3A3A3, 0x8E8E8E, 0x797979, 0x6E6E6E, 0x727272, 0x818181, 0x959595, 0xA9A9A9}, 6},
    {"orangemet", {0xFFE998, 0xFFE581, 0xFFE06C, 0xFFDB54, 0xFFD63D, 0xFFD331, 0xFFD435, 0xFFD848, 0xFFDE60, 0xFFE279}, 6},
    {"redmet", {0xE9A87F, 0xE89B6A, 0xE68C54, 0xE48245, 0xE38040, 0xE4864A, 0xE6925E, 0xE89F72, 0xEAAA85, 0xEBB89A}, 6},
};

TEST(XpPictures, EachLookHasItsBlockAndTwoPalerGradients) {
  for (int look = 0; look < 8; ++look) {
    const LookExpectation& expected = kLooks[look];
    const auto& set = lumivox::lookPictureSet(look);
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(set.name, expected.name);
    for (const Picture& picture : set.pictures) {
      ASSERT_EQ(picture.width, 8);
      ASSERT_EQ(picture.height, 10);
    }
    const Picture &rear = set.pictures[0], &middle = set.pictures[1], &block = set.pictures[2];
    int rearSum = 0, middleSum = 0;
    for (int y = 0; y < 10; ++y) {
      EXPECT_EQ(block.at(0, y), expected.leftColumn[y]) << "row " << y;
      for (int x = 1; x < 8; ++x)
        EXPECT_LE(largestChannelGap(block.at(x, y), block.at(0, y)), expected.tolerance) << x << "," << y;
      EXPECT_EQ(middle.at(7, y), block.at(0, y)) << "picture 1 ends in the block colour, row " << y;
      for (int x = 1; x < 8; ++x) {
        EXPECT_LE(channelSum(rear.at(x, y)), channelSum(rear.at(x - 1, y))) << "paler to the left";
        EXPECT_LE(channelSum(middle.at(x, y)), channelSum(middle.at(x - 1, y))) << "paler to the left";
        rearSum += channelSum(rear.at(x, y));
        middleSum += channelSum(middle.at(x, y));
      }
    }
    EXPECT_GT(rearSum, middleSum) << "picture 0 is the paler";
  }
}

TEST(XpPictures, GradientsMatchTheSampleRowAndTwoLooksAreNearlyFlat) {
  const auto& master = lumivox::lookPictureSet(0).pictures;
  EXPECT_EQ(master[0].at(0, 0), 0xD5F6D6u);
  EXPECT_EQ(master[0].at(7, 0), 0xA6ECA7u);
  EXPECT_EQ(master[1].at(0, 0), 0xB4EFB4u);
  EXPECT_EQ(master[1].at(7, 0), 0x95E996u);
  for (int look : {4, 7}) {
    const Picture& rear = lumivox::lookPictureSet(look).pictures[0];
    for (int y = 0; y < 10; ++y) EXPECT_LE(largestChannelGap(rear.at(0, y), rear.at(7, y)), 12) << look;
  }
}

TEST(PixelSurface, StretchRepeatsOrDropsPixelsAndClipsToTheSurface) {
  const Picture picture{"ramp", 4, 2, {1, 2, 3, 4, 5, 6, 7, 8}};
  std::vector<std::uint32_t> pixels(6 * 3, 0);
  const lumivox::PixelSurface surface{pixels.data(), 6, 3, 6};
  auto rgb = [&](int x, int y) { return pixels[y * 6 + x] & 0xFFFFFF; };

  lumivox::stretchCopy(surface, picture, {0, 0, 2, 1}, {-1, 0, 8, 3});  // 1, 2 -> 4 each, 1 row -> 3
  EXPECT_EQ(pixels[0] >> 24, 0xFFu) << "written opaque";
  EXPECT_EQ((std::vector<std::uint32_t>{rgb(0, 0), rgb(2, 0), rgb(3, 0), rgb(5, 2)}),
            (std::vector<std::uint32_t>{1, 1, 2, 2}));

  lumivox::stretchCopy(surface, picture, {0, 0, 4, 2}, {1, 1, 2, 1});  // every other pixel of row 0
  EXPECT_EQ(rgb(1, 1), 1u);
  EXPECT_EQ(rgb(2, 1), 3u);
  EXPECT_EQ(rgb(3, 1), 2u) << "outside the destination stays";

  const auto before = pixels;
  lumivox::stretchCopy(surface, picture, {0, 0, 4, 2}, {0, 0, 0, 3});
  lumivox::stretchCopy(surface, picture, {0, 0, 4, 2}, {0, 0, 3, -2});
  EXPECT_EQ(pixels, before) << "no area, nothing drawn";
}

}  // namespace
