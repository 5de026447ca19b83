// Every picture, icon and cursor file of the program, by file name, with the pictures drawn at every scale.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/text.h"

namespace zv::artgen {

struct ArtFile {
  std::string name;  // the pictures drawn at a larger scale are in that scale's folder: "150/skin.bmp"
  std::vector<std::uint8_t> bytes;
};

// The design set at 96 dpi, the icons and the cursor, then the pictures again at each of kScaledDpis.
std::vector<ArtFile> DrawAllArt(const Typeface& font);
// The folder of the set drawn at `dpi`: its scale in percent ("125" at 120 dpi).
std::string ScaledFolder(int dpi);

}  // namespace zv::artgen
