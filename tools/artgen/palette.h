// Fixed colour tables of the paletted icon images, and nearest-colour lookup.
#pragma once

#include <cstdint>
#include <vector>

namespace zv::artgen {

struct Rgb8 {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

using Palette = std::vector<Rgb8>;

// The 16 colours of the standard VGA palette, in the platform's order.
const Palette& VgaPalette();
// 256 colours: a 6 x 6 x 6 cube, then 28 steps of the tile's blue and 12 of the broom's gold, so that the
// logo's gradients stay smooth at 8 bits.
const Palette& IconPalette256();
// The index of the entry nearest to the colour (squared distance, weighted for the eye; ties to the lower
// index).
int NearestIndex(const Palette& palette, Rgb8 color);

}  // namespace zv::artgen
