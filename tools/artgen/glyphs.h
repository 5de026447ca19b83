// Line icons of the navigation entries, as shapes in a square box.
#pragma once

#include "tools/artgen/shape.h"

namespace zv::artgen {

enum class NavIcon { kStatus, kRecords, kSettings, kAbout };

// The icon fitted in the square at `origin` with the given side (about 18 pixels).
Shape NavGlyph(NavIcon icon, Vec origin, double side);

}  // namespace zv::artgen
