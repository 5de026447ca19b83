// The main window's background picture.
#pragma once

#include "tools/artgen/image.h"
#include "tools/artgen/scale.h"
#include "tools/artgen/text.h"

namespace zv::artgen {

Image DrawSkin(const Typeface& font, Scale scale = Scale());

}  // namespace zv::artgen
