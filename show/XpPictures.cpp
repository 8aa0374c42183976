#include "show/XpPictures.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumivox {
namespace {

constexpr int kLookWidth = 8;
constexpr int kLookHeight = 10;

struct Run {
  std::uint32_t colour;
  int count;
};

Picture fromRows(std::string name, const std::vector<std::vector<Run>>& rows) {
  Picture picture{std::move(name), 0, static_cast<int>(rows.size()), {}};
  for (const auto& row : rows)
    for (const Run& run : row) picture.pixels.insert(picture.pixels.end(), run.count, run.colour);
  picture.width = static_cast<int>(picture.pixels.size()) / picture.height;
  return picture;
}

Picture makeFrame() {
  constexpr std::uint32_t K = 0x6B696B, G = 0x7B7D7B, S = 0xADAAA5, D = 0x737573, M = 0xBDBEBD,
                          L = 0xEFEFEF, W = 0xFFFFFF;
  const std::vector<Run> outer{{W, 1}, {S, 1}, {G, 1}, {K, 53}, {G, 1}, {S, 1}, {W, 1}};
  const std::vector<Run> middle{{K, 1}, {M, 1}, {L, 1}, {W, 53}, {L, 1}, {M, 1}, {K, 1}};
  std::vector<std::vector<Run>> rows{
      outer,
      {{S, 1}, {D, 1}, {M, 55}, {D, 1}, {S, 1}},
      {{G, 1}, {M, 2}, {L, 53}, {M, 2}, {G, 1}},
      {{K, 1}, {M, 1}, {L, 2}, {W, 51}, {L, 2}, {M, 1}, {K, 1}},
  };
  rows.insert(rows.end(), 6, middle);
  rows.push_back({{G, 1}, {M, 1}, {L, 2}, {W, 51}, {L, 2}, {M, 1}, {G, 1}});
  rows.push_back({{S, 1}, {D, 1}, {L, 55}, {D, 1}, {S, 1}});
  rows.push_back(outer);
  return fromRows("img", rows);
}

std::uint32_t channel(std::uint32_t rgb, int shift) { return (rgb >> shift) & 0xFF; }

std::uint32_t mapChannels(std::uint32_t rgb, auto&& perChannel) {
  std::uint32_t result = 0;
  for (int shift : {16, 8, 0}) {
    const long v = std::clamp(perChannel(static_cast<double>(channel(rgb, shift))), 0L, 255L);
    result |= static_cast<std::uint32_t>(v) << shift;
  }
  return result;
}

// How a look's pictures are made from its block colours.
struct LookRecipe {
  const char* name;
  std::array<std::uint32_t, kLookHeight> blockColumn;  // leftmost block column, top to bottom
  int shine;            // most levels a block column is lightened by, to give the bar some relief
  double rearPaleLeft;  // picture 0: share of white mixed in at its left and right column
  double rearPaleRight;
};

// Picture 1 runs from this much white to the plain block colour.
constexpr double kMiddlePaleLeft = 0.289;
constexpr double kMiddlePaleRight = 0.0;
// A picture 0 that runs from a pale tint into the block colour; the two nearly
// flat looks use a narrower span.
constexpr double kRearPaleLeft = 0.605, kRearPaleRight = 0.158;
constexpr double kFlatPaleLeft = 0.42, kFlatPaleRight = 0.36;

const std::array<LookRecipe, kLookCount> kRecipes{{
    {"master",
     {0x95E996, 0x7CE47E, 0x66DF68, 0x4DDA50, 0x35D538, 0x29D22C, 0x2ED331, 0x41D744, 0x5BDD5D, 0x76E277},
     4, kRearPaleLeft, kRearPaleRight},
    {"blue",
     {0x409FFF, 0x3399FF, 0x2492FF, 0x0482FF, 0x007AF4, 0x0076EC, 0x007AF4, 0x0482FF, 0x2492FF, 0x3399FF},
     0, kRearPaleLeft, kRearPaleRight},
    {"bluemet",
     {0x5D95BB, 0x4481A8, 0x316E94, 0x215C7A, 0x164B56, 0x134335, 0x134442, 0x1A516A, 0x286688, 0x3D78A1},
     12, kRearPaleLeft, kRearPaleRight},
    {"goldmet",
     {0xEDD4A2, 0xE6C97D, 0xDFBE53, 0xD8B22F, 0xD8AC2F, 0xD8A82F, 0xD8A92F, 0xD8AE2F, 0xDDB948, 0xE5C576},
     20, kRearPaleLeft, kRearPaleRight},
    {"grmet",
     {0x95B38E, 0xA4D498, 0xC3E3BA, 0xA4D498, 0x8DBC82, 0x83AE76, 0x76A66A, 0x83AE76, 0x8FBC82, 0x98C88C},
     4, kFlatPaleLeft, kFlatPaleRight},
    {"greymet",
     {0xCDCDCD, 0xB6B6B6, 0xA3A3A3, 0x8E8E8E, 0x797979, 0x6E6E6E, 0x727272, 0x818181, 0x959595, 0xA9A9A9},
     4, kRearPaleLeft, kRearPaleRight},
    {"orangemet",
     {0xFFE998, 0xFFE581, 0xFFE06C, 0xFFDB54, 0xFFD63D, 0xFFD331, 0xFFD435, 0xFFD848, 0xFFDE60, 0xFFE279},
     4, kRearPaleLeft, kRearPaleRight},
    {"redmet",
     {0xE9A87F, 0xE89B6A, 0xE68C54, 0xE48245, 0xE38040, 0xE4864A, 0xE6925E, 0xE89F72, 0xEAAA85, 0xEBB89A},
     4, kFlatPaleLeft, kFlatPaleRight},
}};

// A rounded highlight across the block: brightest just left of the middle, a
// touch darker at the right edge. In quarters of the look's shine.
constexpr std::array<int, kLookWidth> kShineQuarters{0, 2, 4, 4, 3, 2, 1, -1};

Picture makeBlock(const LookRecipe& recipe) {
  Picture picture{std::string(recipe.name) + ".2", kLookWidth, kLookHeight, {}};
  for (int y = 0; y < kLookHeight; ++y)
    for (int x = 0; x < kLookWidth; ++x) {
      const double lift = recipe.shine * kShineQuarters[x] / 4.0;
      picture.pixels.push_back(
          mapChannels(recipe.blockColumn[y], [&](double c) { return std::lround(c + lift); }));
    }
  return picture;
}

// Each row mixes the block colour of that row with white, the share of white
// falling linearly from the left column to the right one.
Picture makeGradient(const LookRecipe& recipe, int index, double paleLeft, double paleRight) {
  Picture picture{std::string(recipe.name) + "." + std::to_string(index), kLookWidth, kLookHeight, {}};
  for (int y = 0; y < kLookHeight; ++y)
    for (int x = 0; x < kLookWidth; ++x) {
      const double pale = paleLeft + (paleRight - paleLeft) * x / (kLookWidth - 1);
      picture.pixels.push_back(
          mapChannels(recipe.blockColumn[y], [&](double c) { return std::lround(c + (255 - c) * pale); }));
    }
  return picture;
}

std::array<LookPictureSet, kLookCount> makeLooks() {
  std::array<LookPictureSet, kLookCount> looks;
  for (int i = 0; i < kLookCount; ++i) {
    const LookRecipe& recipe = kRecipes[i];
    looks[i] = {recipe.name,
                {makeGradient(recipe, 0, recipe.rearPaleLeft, recipe.rearPaleRight),
                 makeGradient(recipe, 1, kMiddlePaleLeft, kMiddlePaleRight), makeBlock(recipe)}};
  }
  return looks;
}

}  // namespace

const Picture& framePicture() {
  static const Picture frame = makeFrame();
  return frame;
}

const Picture& blankPicture() {
  static const Picture blank{"blank", kLookWidth, kLookHeight,
                             std::vector<std::uint32_t>(kLookWidth * kLookHeight, 0xFFFFFF)};
  return blank;
}

const LookPictureSet& lookPictureSet(int look) {
  static const std::array<LookPictureSet, kLookCount> looks = makeLooks();
  return looks.at(static_cast<std::size_t>(look));
}

}  // namespace lumivox
