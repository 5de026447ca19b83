// The picture generator: deterministic drawing, the size of every output at every scale, lines that stay
// whole pixels, icon and cursor files that a reader accepts, and pieces that blend with the skin where the
// program places them.
#include "tools/artgen/art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/bmp.h"
#include "platform/geometry.h"
#include "tests/little_endian.h"
#include "tools/artgen/chrome.h"
#include "tools/artgen/logo.h"

namespace zv::artgen {
namespace {

// One directory entry of an icon or cursor file, with the bitmap header it points at.
struct Entry {
  int width = 0;
  int height = 0;
  int colors = 0;
  int planes_or_hot_x = 0;
  int bits_or_hot_y = 0;
  std::uint32_t bytes = 0;
  std::uint32_t offset = 0;
  int dib_bits = 0;
};

struct Directory {
  int type = 0;
  std::vector<Entry> entries;
};

// Reads the directory as the platform's icon loader does and checks that each image's bytes are exactly
// its header, palette, colour rows and AND-mask rows, inside the file.
Directory ReadDirectory(const Bytes& file) {
  Directory dir;
  EXPECT_GE(file.size(), 6u);
  if (file.size() < 6) return dir;
  EXPECT_EQ(U16At(file, 0), 0);
  dir.type = U16At(file, 2);
  const int count = U16At(file, 4);
  EXPECT_GE(file.size(), 6u + 16u * count);
  for (int i = 0; i < count && file.size() >= 6u + 16u * (i + 1); ++i) {
    const size_t at = 6 + 16 * static_cast<size_t>(i);
    Entry e{file[at] == 0 ? 256 : file[at],
            file[at + 1] == 0 ? 256 : file[at + 1],
            file[at + 2],
            U16At(file, at + 4),
            U16At(file, at + 6),
            U32At(file, at + 8),
            U32At(file, at + 12)};
    EXPECT_EQ(file[at + 3], 0) << "reserved byte of entry " << i;
    EXPECT_LE(static_cast<size_t>(e.offset) + e.bytes, file.size()) << "entry " << i;
    if (static_cast<size_t>(e.offset) + 40 > file.size()) continue;
    EXPECT_EQ(U32At(file, e.offset), 40u);
    EXPECT_EQ(static_cast<int>(U32At(file, e.offset + 4)), e.width);
    EXPECT_EQ(static_cast<int>(U32At(file, e.offset + 8)), 2 * e.height) << "colour rows and mask rows";
    EXPECT_EQ(U16At(file, e.offset + 12), 1);
    e.dib_bits = U16At(file, e.offset + 14);
    EXPECT_EQ(U32At(file, e.offset + 16), 0u) << "uncompressed";
    const int palette = e.dib_bits <= 8 ? 1 << e.dib_bits : 0;
    const std::uint32_t colour_rows =
        static_cast<std::uint32_t>((e.width * e.dib_bits + 31) / 32 * 4 * e.height);
    const std::uint32_t mask_rows = static_cast<std::uint32_t>((e.width + 31) / 32 * 4 * e.height);
    EXPECT_EQ(e.bytes, 40 + 4 * palette + colour_rows + mask_rows) << "entry " << i;
    dir.entries.push_back(e);
  }
  return dir;
}

// The AND-mask bit of a pixel (1 = transparent), rows stored bottom-up after the colour rows.
bool Transparent(const Bytes& file, const Entry& e, int x, int y) {
  const int palette = e.dib_bits <= 8 ? 1 << e.dib_bits : 0;
  const size_t colour_rows = static_cast<size_t>((e.width * e.dib_bits + 31) / 32 * 4 * e.height);
  const size_t mask_stride = static_cast<size_t>((e.width + 31) / 32 * 4);
  const size_t at = e.offset + 40 + 4 * palette + colour_rows + mask_stride * (e.height - 1 - y) + x / 8;
  return (file[at] >> (7 - x % 8)) & 1;
}

class ArtFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    font_ = Typeface::Open(ARTGEN_FONT);
    ASSERT_NE(font_, nullptr) << ARTGEN_FONT;
    files_ = std::make_unique<std::vector<ArtFile>>(DrawAllArt(*font_));
  }
  static void TearDownTestSuite() {
    files_.reset();
    font_.reset();
  }

  static const Bytes& File(const std::string& name) {
    static const Bytes kNone;
    for (const ArtFile& f : *files_) {
      if (f.name == name) return f.bytes;
    }
    ADD_FAILURE() << "no file " << name;
    return kNone;
  }
  static Picture Bitmap(const std::string& name) {
    const std::optional<Picture> picture = DecodeBmp(File(name));
    EXPECT_TRUE(picture.has_value()) << name;
    return picture.value_or(Picture{});
  }

  static inline std::unique_ptr<Typeface> font_;
  static inline std::unique_ptr<std::vector<ArtFile>> files_;
};

TEST_F(ArtFiles, DrawingIsDeterministic) {
  EXPECT_TRUE(DrawSectionHeader("内存状态", *font_) == DrawSectionHeader("内存状态", *font_));
  EXPECT_TRUE(TileImage(32) == TileImage(32));
  EXPECT_FALSE(DrawSectionHeader("内存状态", *font_) == DrawSectionHeader("软件设置", *font_))
      << "words drawn";
}

// The sets by dpi: the design set at the top of the folder, the others in the folder of their scale.
struct Set {
  int dpi;
  std::string folder;
  int line;  // pixels of a line one pixel thick in the design set
};
const Set kSets[] = {{96, "", 1}, {120, "125/", 1}, {144, "150/", 1}, {192, "200/", 2}};

TEST_F(ArtFiles, EveryBitmapOfEverySetHasTheSizeTheLayoutGivesIt) {
  struct Sizes {
    std::vector<std::string> names;
    zv::Size at[4];  // at 96, 120, 144 and 192 dpi
  };
  const Sizes table[] = {
      {{"skin.bmp"}, {{786, 557}, {983, 696}, {1179, 836}, {1572, 1114}}},
      {{"nav_status_selected.bmp", "nav_status_normal.bmp", "nav_records_selected.bmp",
        "nav_records_normal.bmp", "nav_settings_selected.bmp", "nav_settings_normal.bmp",
        "nav_about_selected.bmp", "nav_about_normal.bmp"},
       {{199, 36}, {249, 45}, {299, 54}, {398, 72}}},
      {{"min_normal.bmp", "min_hover.bmp", "min_pressed.bmp", "exit_normal.bmp", "exit_hover.bmp",
        "exit_pressed.bmp"},
       {{28, 15}, {35, 19}, {42, 23}, {56, 30}}},
      {{"header_resources.bmp", "header_memory.bmp", "header_settings.bmp"},
       {{102, 22}, {128, 28}, {153, 33}, {204, 44}}},
      {{"logo.bmp"}, {{68, 71}, {85, 89}, {102, 107}, {136, 142}}},
      {{"tip_background.bmp"}, {{110, 27}, {138, 34}, {165, 41}, {220, 54}}},
  };
  std::set<std::string> expected = {"link.cur", "zorvane.ico", "vk.ico"};
  for (int set = 0; set < 4; ++set) {
    for (const Sizes& sizes : table) {
      for (const std::string& name : sizes.names) {
        const std::string path = kSets[set].folder + name;
        expected.insert(path);
        const Bytes& bytes = File(path);
        ASSERT_GE(bytes.size(), 30u) << path;
        EXPECT_EQ(U16At(bytes, 28), 24) << path << ": bits per pixel";
        const Picture picture = Bitmap(path);
        EXPECT_EQ(picture.width, sizes.at[set].width) << path;
        EXPECT_EQ(picture.height, sizes.at[set].height) << path;
      }
    }
  }
  std::set<std::string> written;
  for (const ArtFile& f : *files_) EXPECT_TRUE(written.insert(f.name).second) << "written twice: " << f.name;
  EXPECT_EQ(written, expected);
}

// The outline, the bar's top and bottom rows and the dividers keep whole pixels at every scale: exactly
// their colour over their thickness, and not on either side of it.
TEST_F(ArtFiles, TheSkinsLinesStayWholePixelsAtEveryScale) {
  const Color outline = Rgb(0x4F, 0x6A, 0x8C);
  const Color divider = Rgb(0xD3, 0xDC, 0xE7);
  const Color bar_top = Rgb(0x7D, 0xBB, 0xF5);
  const Color bar_bottom = Rgb(0x1A, 0x57, 0xA4);
  for (const Set& set : kSets) {
    SCOPED_TRACE(set.dpi);
    const Picture skin = Bitmap(set.folder + "skin.bmp");
    ASSERT_FALSE(skin.IsEmpty());
    const int w = skin.width;
    const int h = skin.height;
    auto at = [&](int design) { return TwipsToPixels(PixelsToTwips(design), set.dpi); };
    struct Line {
      const char* what;
      Color color;
      bool across;  // a row rather than a column
      int from;     // first pixel of the line
      int at;       // the other coordinate, along the line
    };
    const Line lines[] = {
        {"left outline", outline, false, 0, h / 2},
        {"right outline", outline, false, w - set.line, h / 2},
        {"top outline", outline, true, 0, w / 2},
        {"bottom outline", outline, true, h - set.line, w / 2},
        {"column divider", divider, false, at(206), at(400)},
        {"footer divider", divider, true, at(530), w / 2},
        {"bar's top row", bar_top, true, at(105), w / 2},
        {"bar's bottom row", bar_bottom, true, at(131) - set.line, w / 2},
    };
    for (const Line& l : lines) {
      auto pixel = [&](int k) { return l.across ? skin.At(l.at, k) : skin.At(k, l.at); };
      for (int k = l.from; k < l.from + set.line; ++k) EXPECT_EQ(pixel(k), l.color) << l.what << " at " << k;
      if (l.from > 0) {
        EXPECT_NE(pixel(l.from - 1), l.color) << l.what << ": before";
      }
      if (l.from + set.line < (l.across ? h : w)) {
        EXPECT_NE(pixel(l.from + set.line), l.color) << l.what << ": after";
      }
    }
  }
}

TEST_F(ArtFiles, IconFilesHoldTheirSizesWithMasks) {
  using Images = std::multiset<std::tuple<int, int, int>>;  // side, bits, palette colours
  Images window;
  for (int side : {48, 32, 16}) {
    window.insert({side, 8, 0});
    window.insert({side, 4, 16});
  }
  for (int side : {64, 48, 40, 32, 24, 20, 16}) window.insert({side, 32, 0});
  Images tray;
  for (int side : {32, 24, 20, 16}) tray.insert({side, 32, 0});
  const std::pair<const char*, Images> files[] = {{"zorvane.ico", window}, {"vk.ico", tray}};

  for (const auto& [name, expected] : files) {
    SCOPED_TRACE(name);
    const Bytes& file = File(name);
    const Directory dir = ReadDirectory(file);
    EXPECT_EQ(dir.type, 1);
    Images images;
    for (const Entry& e : dir.entries) {
      EXPECT_EQ(e.width, e.height);
      EXPECT_EQ(e.planes_or_hot_x, 1);
      EXPECT_EQ(e.bits_or_hot_y, e.dib_bits);
      images.insert({e.width, e.dib_bits, e.colors});
      // The tile's rounded corners are see-through at every depth; its middle is not.
      EXPECT_TRUE(Transparent(file, e, 0, 0)) << e.width << " at " << e.dib_bits;
      EXPECT_FALSE(Transparent(file, e, e.width / 2, e.height / 2)) << e.width << " at " << e.dib_bits;
      if (e.dib_bits == 32) {
        const size_t corner_alpha = e.offset + 40 + static_cast<size_t>(4 * e.width * (e.height - 1)) + 3;
        const size_t middle_alpha =
            e.offset + 40 + static_cast<size_t>(4 * (e.width * (e.height / 2) + e.width / 2)) + 3;
        EXPECT_EQ(file[corner_alpha], 0) << e.width;
        EXPECT_EQ(file[middle_alpha], 255) << e.width;
      }
    }
    EXPECT_EQ(images, expected);
  }
}

TEST_F(ArtFiles, CursorIsA326ByteHandWithItsFingertipAtTheHotSpot) {
  const Bytes& file = File("link.cur");
  ASSERT_EQ(file.size(), 326u);
  const Directory dir = ReadDirectory(file);
  EXPECT_EQ(dir.type, 2);
  ASSERT_EQ(dir.entries.size(), 1u);
  const Entry& e = dir.entries[0];
  EXPECT_EQ(e.width, 32);
  EXPECT_EQ(e.height, 32);
  EXPECT_EQ(e.colors, 2);
  EXPECT_EQ(e.planes_or_hot_x, 10);
  EXPECT_EQ(e.bits_or_hot_y, 10);
  EXPECT_EQ(e.dib_bits, 1);
  EXPECT_EQ(e.offset, 22u);
  EXPECT_EQ(e.bytes, 304u);
  // Nothing above or left of the hot spot on its row: the fingertip's top is the hot spot.
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 32; ++x) EXPECT_TRUE(Transparent(file, e, x, y)) << x << "," << y;
  }
  for (int x = 0; x < 10; ++x) EXPECT_TRUE(Transparent(file, e, x, 10)) << x;
  EXPECT_FALSE(Transparent(file, e, 10, 10));
}

// The main window lays the pieces out in twips over its skin; at each dpi every piece must be the skin
// beneath it along its top row, bottom row and left column.
TEST_F(ArtFiles, PiecesBlendWithTheSkinWhereTheLayoutPutsThemAtEveryScale) {
  struct Piece {
    std::string name;
    int left, top;  // twips
  };
  std::vector<Piece> pieces;
  const std::pair<const char*, int> nav[] = {
      {"status", 2010}, {"settings", 2540}, {"records", 3060}, {"about", 3590}};
  for (const auto& [name, top] : nav) {
    for (const char* look : {"_selected", "_normal"})
      pieces.push_back({std::string("nav_") + name + look + ".bmp", 110, top});
  }
  pieces.push_back({"min_normal.bmp", 10800, 70});
  pieces.push_back({"exit_normal.bmp", 11280, 70});
  for (const Set& set : kSets) {
    SCOPED_TRACE(set.dpi);
    const Picture skin = Bitmap(set.folder + "skin.bmp");
    ASSERT_FALSE(skin.IsEmpty());
    for (const Piece& p : pieces) {
      const Picture piece = Bitmap(set.folder + p.name);
      ASSERT_FALSE(piece.IsEmpty()) << p.name;
      const int x0 = TwipsToPixels(p.left, set.dpi);
      const int y0 = TwipsToPixels(p.top, set.dpi);
      ASSERT_LE(x0 + piece.width, skin.width) << p.name;
      ASSERT_LE(y0 + piece.height, skin.height) << p.name;
      int mismatches = 0;
      for (int x = 0; x < piece.width; ++x) {
        for (int y : {0, piece.height - 1}) mismatches += piece.At(x, y) != skin.At(x0 + x, y0 + y);
      }
      for (int y = 0; y < piece.height; ++y) mismatches += piece.At(0, y) != skin.At(x0, y0 + y);
      EXPECT_EQ(mismatches, 0) << p.name;
    }
    // Headers and the logo sit on white pages.
    for (const char* name :
         {"header_resources.bmp", "header_memory.bmp", "header_settings.bmp", "logo.bmp"}) {
      const Picture piece = Bitmap(set.folder + name);
      ASSERT_FALSE(piece.IsEmpty()) << name;
      EXPECT_EQ(piece.At(piece.width - 1, 0), Rgb(255, 255, 255)) << name;
      EXPECT_EQ(piece.At(piece.width - 1, piece.height / 2), Rgb(255, 255, 255)) << name;
    }
  }
}

}  // namespace
}  // namespace zv::artgen
