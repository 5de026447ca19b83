// artgen: draws the program's pictures, icons and cursor; its outputs are kept in forms/art.
// Usage: artgen <output-folder>. The same build writes the same bytes on every run.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/artgen/art.h"

#ifndef ARTGEN_FONT
#define ARTGEN_FONT "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
#endif

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen <output-folder>\n");
    return 2;
  }
  const auto font = zv::artgen::Typeface::Open(ARTGEN_FONT);
  if (!font) {
    std::fprintf(stderr, "artgen: cannot open the font %s\n", ARTGEN_FONT);
    return 1;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const zv::artgen::ArtFile& file : zv::artgen::DrawAllArt(*font)) {
    std::filesystem::create_directories((folder / file.name).parent_path(), error);
    std::ofstream out(folder / file.name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.bytes.data()),
              static_cast<std::streamsize>(file.bytes.size()));
    if (!out) {
      std::fprintf(stderr, "artgen: cannot write %s\n", (folder / file.name).string().c_str());
      return 1;
    }
  }
  return 0;
}
