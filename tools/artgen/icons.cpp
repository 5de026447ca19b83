// The icon files (window icon, tray icon) and the link cursor.
#include "tools/artgen/icons.h"

#include <string_view>

#include "tools/artgen/logo.h"

namespace zv::artgen {
namespace {

struct IconSize {
  int side;
  std::vector<int> depths;
};

// Each size at each of its depths, each drawn at its own side; the 4-bit images get the flat tile that VGA
// colours can show.
std::vector<std::uint8_t> IconFile(const std::vector<IconSize>& sizes) {
  std::vector<Image> tiles;
  std::vector<int> depths;
  for (const IconSize& size : sizes) {
    for (int depth : size.depths) {
      tiles.push_back(TileImage(size.side, depth == 4 ? TileColors::kVga : TileColors::kFull));
      depths.push_back(depth);
    }
  }
  std::vector<IconImage> images;
  for (size_t i = 0; i < tiles.size(); ++i) images.push_back({&tiles[i], depths[i]});
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

// The sizes of larger screen scales come in full colour only: screens that show so few colours do not
// run at those scales.
std::vector<std::uint8_t> WindowIconFile() {
  return IconFile(
      {{64, {32}}, {48, {32, 8, 4}}, {40, {32}}, {32, {32, 8, 4}}, {24, {32}}, {20, {32}}, {16, {32, 8, 4}}});
}

std::vector<std::uint8_t> TrayIconFile() {
  return IconFile({{16, {32}}, {20, {32}}, {24, {32}}, {32, {32}}});
}

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
