// An uncompressed picture: width × height colours (0x00BBGGRR), rows top to bottom.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/color.h"

namespace zv {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Color> pixels;

  Picture() = default;
  Picture(int w, int h, Color fill = 0) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

  bool IsEmpty() const { return width <= 0 || height <= 0; }
  Color At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  void Set(int x, int y, Color c) { pixels[static_cast<size_t>(y) * width + x] = c; }
};

}  // namespace zv
