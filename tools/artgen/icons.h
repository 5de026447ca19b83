// The icon files (window icon, tray icon) and the link cursor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/ico.h"

namespace zv::artgen {

// 48, 32 and 16 pixels square, each at 32, 8 and 4 bits per pixel; 64, 40, 24 and 20 at 32 bits.
std::vector<std::uint8_t> WindowIconFile();
// 16, 20, 24 and 32 pixels square at 32 bits per pixel.
std::vector<std::uint8_t> TrayIconFile();
// A pointing hand whose fingertip is the hot spot (10, 10).
MonoCursor LinkCursor();

}  // namespace zv::artgen
