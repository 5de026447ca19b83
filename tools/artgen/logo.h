// The product mark: a sweeping broom with sparkles, on its own or on the blue rounded tile.
#pragma once

#include "tools/artgen/image.h"
#include "tools/artgen/shape.h"

namespace zv::artgen {

struct BroomLook {
  Rgba handle;
  Rgba band;
  Rgba head_top;
  Rgba head_bottom;
  Rgba bristle_line;
  Rgba sparkle;
  Rgba swoosh;
};

// The broom in the square at `origin` with the given side; fewer details at small sides.
void DrawBroom(Image& image, Vec origin, double side, const BroomLook& look);

// Full colour with gradients, or flat colours that the 16-colour VGA palette holds exactly.
enum class TileColors { kFull, kVga };

// The tile drawn at `origin`, `side` pixels square; transparent around its rounded corners. Large tiles get
// a darker rim `rim` pixels wide.
void DrawTile(Image& image, Vec origin, double side, TileColors colors = TileColors::kFull, int rim = 1);
// A side x side image holding only the tile.
Image TileImage(int side, TileColors colors = TileColors::kFull);

}  // namespace zv::artgen
