#pragma once

namespace lumivox {

// Positions are designed in twips (1440 to the inch), rounded to the nearest
// pixel at the screen's dots per inch; 96 unless told.
constexpr int twipsToPixels(int twips, int dotsPerInch = 96) {
  const long long scaled = static_cast<long long>(twips) * dotsPerInch;
  return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

}  // namespace lumivox
