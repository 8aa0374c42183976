#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumivox {

// A small picture as plain pixels, so that the progress bar can be drawn and
// checked without a window system.
struct Picture {
  std::string name;
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row from the top

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The built-in pictures of the progress bar control.

// `img`: the rounded grey-and-white frame, 59 x 13, stretched from nine pieces.
const Picture& framePicture();
// `blank`: 8 x 10 white, to erase marquee segments.
const Picture& blankPicture();

// One colour look: pictures 0 and 1 are the marquee's rear (palest) and middle
// segments, picture 2 the block and the marquee's front segment. All 8 x 10.
struct LookPictureSet {
  std::string name;
  std::array<Picture, 3> pictures;
};

constexpr int kLookCount = 8;
// look 0..kLookCount-1: master, blue, bluemet, goldmet, grmet, greymet,
// orangemet, redmet.
const LookPictureSet& lookPictureSet(int look);

}  // namespace lumivox
