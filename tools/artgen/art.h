// Every picture, icon and cursor file of the program, by file name.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/text.h"

namespace zv::artgen {

struct ArtFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

std::vector<ArtFile> DrawAllArt(const Typeface& font);

}  // namespace zv::artgen
