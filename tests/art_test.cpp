// The picture generator: deterministic drawing, the size of every output, icon and cursor files that a
// reader accepts, and pieces that blend with the skin where the program places them.
#include "tools/artgen/art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/bmp.h"
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

TEST_F(ArtFiles, EveryBitmapHasItsSize) {
  struct Size {
    const char* name;
    int width, height;
  };
  const Size sizes[] = {
      {"skin.bmp", 786, 557},
      {"nav_status_selected.bmp", 199, 36},
      {"nav_status_normal.bmp", 199, 36},
      {"nav_records_selected.bmp", 199, 36},
      {"nav_records_normal.bmp", 199, 36},
      {"nav_settings_selected.bmp", 199, 36},
      {"nav_settings_normal.bmp", 199, 36},
      {"nav_about_selected.bmp", 199, 36},
      {"nav_about_normal.bmp", 199, 36},
      {"min_normal.bmp", 28, 15},
      {"min_hover.bmp", 28, 15},
      {"min_pressed.bmp", 28, 15},
      {"exit_normal.bmp", 28, 15},
      {"exit_hover.bmp", 28, 15},
      {"exit_pressed.bmp", 28, 15},
      {"header_resources.bmp", 102, 22},
      {"header_memory.bmp", 102, 22},
      {"header_settings.bmp", 102, 22},
      {"logo.bmp", 68, 71},
      {"tip_background.bmp", 110, 27},
  };
  std::set<std::string> expected = {"link.cur", "zorvane.ico", "vk.ico"};
  for (const Size& s : sizes) {
    expected.insert(s.name);
    const Bytes& bytes = File(s.name);
    ASSERT_GE(bytes.size(), 30u) << s.name;
    EXPECT_EQ(U16At(bytes, 28), 24) << s.name << ": bits per pixel";
    const Picture picture = Bitmap(s.name);
    EXPECT_EQ(picture.width, s.width) << s.name;
    EXPECT_EQ(picture.height, s.height) << s.name;
  }
  std::set<std::string> written;
  for (const ArtFile& f : *files_) EXPECT_TRUE(written.insert(f.name).second) << "written twice: " << f.name;
  EXPECT_EQ(written, expected);
}

TEST_F(ArtFiles, WindowIconHoldsNineImagesWithMasks) {
  const Bytes& file = File("zorvane.ico");
  const Directory dir = ReadDirectory(file);
  EXPECT_EQ(dir.type, 1);
  std::multiset<std::tuple<int, int, int>> images;  // side, bits, palette colours
  for (const Entry& e : dir.entries) {
    EXPECT_EQ(e.width, e.height);
    EXPECT_EQ(e.planes_or_hot_x, 1);
    EXPECT_EQ(e.bits_or_hot_y, e.dib_bits);
    images.insert({e.width, e.dib_bits, e.colors});
    // The tile's rounded corners are see-through at every depth; its middle is not.
    EXPECT_TRUE(Transparent(file, e, 0, 0)) << e.width << " at " << e.dib_bits;
    EXPECT_FALSE(Transparent(file, e, e.width / 2, e.height / 2)) << e.width << " at " << e.dib_bits;
  }
  std::multiset<std::tuple<int, int, int>> expected;
  for (int side : {48, 32, 16}) {
    expected.insert({side, 32, 0});
    expected.insert({side, 8, 0});
    expected.insert({side, 4, 16});
  }
  EXPECT_EQ(images, expected);
}

TEST_F(ArtFiles, TrayIconHolds16And32PixelImagesWithAlpha) {
  const Bytes& file = File("vk.ico");
  const Directory dir = ReadDirectory(file);
  EXPECT_EQ(dir.type, 1);
  std::multiset<int> sides;
  for (const Entry& e : dir.entries) {
    EXPECT_EQ(e.dib_bits, 32);
    sides.insert(e.width);
    const size_t corner_alpha = e.offset + 40 + static_cast<size_t>(4 * e.width * (e.height - 1)) + 3;
    const size_t middle_alpha =
        e.offset + 40 + static_cast<size_t>(4 * (e.width * (e.height / 2) + e.width / 2)) + 3;
    EXPECT_EQ(file[corner_alpha], 0) << e.width;
    EXPECT_EQ(file[middle_alpha], 255) << e.width;
  }
  EXPECT_EQ(sides, (std::multiset<int>{16, 32}));
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

TEST_F(ArtFiles, PiecesBlendWithTheSkinWhereTheyArePlaced) {
  const Picture skin = Bitmap("skin.bmp");
  ASSERT_FALSE(skin.IsEmpty());
  struct Piece {
    std::string name;
    int x, y;
  };
  std::vector<Piece> pieces;
  const int nav_y[] = {134, 169, 204, 239};
  const char* nav_names[] = {"status", "records", "settings", "about"};
  for (int i = 0; i < 4; ++i) {
    for (const char* look : {"_selected", "_normal"}) {
      pieces.push_back({std::string("nav_") + nav_names[i] + look + ".bmp", 7, nav_y[i]});
    }
  }
  pieces.push_back({"min_normal.bmp", 720, 5});
  pieces.push_back({"exit_normal.bmp", 752, 5});
  // Top row, bottom row and left column of each piece are the skin beneath it.
  for (const Piece& p : pieces) {
    const Picture piece = Bitmap(p.name);
    ASSERT_FALSE(piece.IsEmpty()) << p.name;
    int mismatches = 0;
    for (int x = 0; x < piece.width; ++x) {
      for (int y : {0, piece.height - 1}) mismatches += piece.At(x, y) != skin.At(p.x + x, p.y + y);
    }
    for (int y = 0; y < piece.height; ++y) mismatches += piece.At(0, y) != skin.At(p.x, p.y + y);
    EXPECT_EQ(mismatches, 0) << p.name;
  }
  // Headers and the logo sit on white pages.
  for (const char* name : {"header_resources.bmp", "header_memory.bmp", "header_settings.bmp", "logo.bmp"}) {
    const Picture piece = Bitmap(name);
    EXPECT_EQ(piece.At(piece.width - 1, 0), Rgb(255, 255, 255)) << name;
    EXPECT_EQ(piece.At(piece.width - 1, piece.height / 2), Rgb(255, 255, 255)) << name;
  }
}

}  // namespace
}  // namespace zv::artgen
