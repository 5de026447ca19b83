// Writers of Windows icon (.ico) and monochrome cursor (.cur) files.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/artgen/image.h"

namespace zv::artgen {

// One image of an icon file: 4 bits (VGA palette), 8 bits (cube palette) or 32 bits (with alpha).
// Pixels less than half opaque are transparent through the AND mask at every depth.
struct IconImage {
  const Image* image = nullptr;
  int bits_per_pixel = 32;
};

std::vector<std::uint8_t> EncodeIcon(std::span<const IconImage> images);

enum class CursorPixel { kTransparent, kBlack, kWhite, kInverted };

constexpr int kCursorSide = 32;

struct MonoCursor {
  std::array<std::array<CursorPixel, kCursorSide>, kCursorSide> pixels{};  // [y][x], rows top to bottom
  int hot_x = 0;
  int hot_y = 0;
};

// A one-image 32 x 32 cursor file with a black and white palette: 326 bytes.
std::vector<std::uint8_t> EncodeCursor(const MonoCursor& cursor);

}  // namespace zv::artgen
