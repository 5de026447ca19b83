// The navigation entries of the left column, selected (blue, with an arrow) and normal (grey).
#pragma once

#include <string_view>

#include "tools/artgen/glyphs.h"
#include "tools/artgen/image.h"
#include "tools/artgen/text.h"

namespace zv::artgen {

// Drawn over the part of the skin the entry covers at row `y`, so that it blends in.
Image DrawNavEntry(const Image& skin, int y, NavIcon icon, std::string_view word, bool selected,
                   const Typeface& font);

}  // namespace zv::artgen
