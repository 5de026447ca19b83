// Fixed colour tables of the paletted icon images, and nearest-colour lookup.
#include "tools/artgen/palette.h"

#include <cmath>

#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

// `count` colours evenly from `from` to `to`, both ends included.
void Ramp(Palette& palette, Rgb8 from, Rgb8 to, int count) {
  auto step = [count](int a, int b, int k) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * static_cast<double>(k) / (count - 1)));
  };
  for (int k = 0; k < count; ++k) {
    palette.push_back({step(from.r, to.r, k), step(from.g, to.g, k), step(from.b, to.b, k)});
  }
}

Rgb8 ToRgb8(Rgba c) { return {ToByte(c.r), ToByte(c.g), ToByte(c.b)}; }

}  // namespace

const Palette& VgaPalette() {
  static const Palette palette = {
      {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
      {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
      {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
  };
  return palette;
}

const Palette& IconPalette256() {
  static const Palette palette = [] {
    Palette p;
    for (int r = 0; r < 6; ++r) {
      for (int g = 0; g < 6; ++g) {
        for (int b = 0; b < 6; ++b) {
          p.push_back({static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                       static_cast<std::uint8_t>(b * 51)});
        }
      }
    }
    // The tile's top is lifted by its sheen.
    Ramp(p, ToRgb8(Mix(theme::kTileTop, theme::kWhite, 0.2)), ToRgb8(theme::kTileBottom), 28);
    Ramp(p, ToRgb8(theme::kGold), ToRgb8(theme::kBristle), 12);
    return p;
  }();
  return palette;
}

int NearestIndex(const Palette& palette, Rgb8 color) {
  int best = 0;
  long best_distance = -1;
  for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
    const long dr = palette[i].r - color.r;
    const long dg = palette[i].g - color.g;
    const long db = palette[i].b - color.b;
    const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (best_distance < 0 || distance < best_distance) {
      best = i;
      best_distance = distance;
    }
  }
  return best;
}

}  // namespace zv::artgen
