// The icon files (window icon, tray icon) and the link cursor.
#include "tools/artgen/icons.h"

#include <string_view>

#include "tools/artgen/logo.h"

namespace zv::artgen {
namespace {

// Every side at every depth, sides first; the 4-bit images get the flat tile that VGA colours can show.
std::vector<std::uint8_t> IconFile(const std::vector<int>& sides, const std::vector<int>& depths) {
  std::vector<Image> tiles;
  for (int side : sides) {
    for (int depth : depths)
      tiles.push_back(TileImage(side, depth == 4 ? TileColors::kVga : TileColors::kFull));
  }
  std::vector<IconImage> images;
  for (size_t i = 0; i < tiles.size(); ++i) images.push_back({&tiles[i], depths[i % depths.size()]});
  return EncodeIcon(images);
}

// '#' black, 'o' white, '.' transparent; the fingertip's top pixel is the hot spot.
constexpr std::string_view kHand[kCursorSide] = {
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "................................",  //
    "..........##....................",  // row 10: the hot spot is its first '#'
    ".........#oo#...................",  //
    ".........#oo#...................",  //
    ".........#oo#...................",  //
    ".........#oo#...................",  //
    ".........#oo###.................",  //
    ".........#oo#oo###..............",  //
    ".........#oo#oo#oo###...........",  //
    ".........#oo#oo#oo#oo#..........",  //
    ".....##..#oo#oo#oo#oo#..........",  //
    "....#oo#.#ooooooooooo#..........",  //
    "....#ooo#oooooooooooo#..........",  //
    ".....#ooooooooooooooo#..........",  //
    "......#oooooooooooooo#..........",  //
    ".......#ooooooooooooo#..........",  //
    "........#oooooooooooo#..........",  //
    "........#oooooooooooo#..........",  //
    ".........#oooooooooo#...........",  //
    ".........#oooooooooo#...........",  //
    "..........#oooooooo#............",  //
    "..........#oooooooo#............",  //
    "..........##########............",  //
};

}  // namespace

std::vector<std::uint8_t> WindowIconFile() { return IconFile({48, 32, 16}, {32, 8, 4}); }

std::vector<std::uint8_t> TrayIconFile() { return IconFile({16, 32}, {32}); }

MonoCursor LinkCursor() {
  MonoCursor cursor;
  cursor.hot_x = 10;
  cursor.hot_y = 10;
  for (int y = 0; y < kCursorSide; ++y) {
    for (int x = 0; x < kCursorSide; ++x) {
      const char c = kHand[y][x];
      cursor.pixels[y][x] = c == '#'   ? CursorPixel::kBlack
                            : c == 'o' ? CursorPixel::kWhite
                                       : CursorPixel::kTransparent;
    }
  }
  return cursor;
}

}  // namespace zv::artgen
