// The navigation entries of the left column, selected (blue, with an arrow) and normal (grey).
#pragma once

#include <string_view>

#include "tools/artgen/glyphs.h"
#include "tools/artgen/image.h"
#include "tools/artgen/scale.h"
#include "tools/artgen/text.h"

namespace zv::artgen {

// Drawn over the part of the skin (drawn at the same scale) that the entry covers when the layout puts its
// top at `top_twips`, so that it blends in.
Image DrawNavEntry(const Image& skin, Scale scale, int top_twips, NavIcon icon, std::string_view word,
                   bool selected, const Typeface& font);

}  // namespace zv::artgen
