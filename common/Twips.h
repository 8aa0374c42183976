#pragma once

namespace lumivox {

// Twips as designed to pixels at 96 dots per inch.
constexpr int twipsToPixels(int twips) { return (twips + 7) / 15; }

}  // namespace lumivox
