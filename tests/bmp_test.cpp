// Bitmap files: 24-bit writing, reading of 24/32-bit bottom-up and top-down files, and rejection of
// damaged or unsupported files without reading past the bytes.
#include "platform/bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/little_endian.h"

namespace zv {
namespace {

void PutU16(Bytes& b, size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void PutU32(Bytes& b, size_t at, std::uint32_t v) {
  PutU16(b, at, static_cast<std::uint16_t>(v));
  PutU16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

// Every pixel different, so that swapped rows, columns or channels show.
Picture Pattern(int width, int height) {
  Picture p(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) p.Set(x, y, Rgb(x * 40 + 7, y * 50 + 3, (x * 13 + y * 29) % 256));
  }
  return p;
}

// A hand-made file: headers as given, then `rows` rows of `stride` bytes, each pixel written as B, G, R
// (and X at 32 bits) from the pattern, in the order the height's sign says.
Bytes HandMade(int width, int height, int bits, std::uint32_t compression = 0) {
  const int rows = height < 0 ? -height : height;
  const size_t stride = static_cast<size_t>((width * bits + 31) / 32 * 4);
  Bytes b(54 + stride * rows, 0);
  b[0] = 'B';
  b[1] = 'M';
  PutU32(b, 2, static_cast<std::uint32_t>(b.size()));
  PutU32(b, 10, 54);
  PutU32(b, 14, 40);
  PutU32(b, 18, static_cast<std::uint32_t>(width));
  PutU32(b, 22, static_cast<std::uint32_t>(height));
  PutU16(b, 26, 1);
  PutU16(b, 28, static_cast<std::uint16_t>(bits));
  PutU32(b, 30, compression);
  const Picture source = Pattern(width, rows);
  for (int row = 0; row < rows; ++row) {
    const int y = height < 0 ? row : rows - 1 - row;
    for (int x = 0; x < width; ++x) {
      const size_t at = 54 + stride * row + static_cast<size_t>(x) * (bits / 8);
      const Color c = source.At(x, y);
      b[at] = static_cast<std::uint8_t>(BlueOf(c));
      b[at + 1] = static_cast<std::uint8_t>(GreenOf(c));
      b[at + 2] = static_cast<std::uint8_t>(RedOf(c));
      if (bits == 32) b[at + 3] = 0xA5;  // the unused byte must not leak into the colour
    }
  }
  return b;
}

TEST(Bmp, EncodesHeadersRowsBottomUpAndPadding) {
  struct Case {
    int width, height;
    size_t stride;
  };
  for (const Case c : {Case{1, 1, 4}, Case{2, 3, 8}, Case{3, 2, 12}, Case{4, 1, 12}, Case{5, 4, 16}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const Picture picture = Pattern(c.width, c.height);
    const Bytes b = EncodeBmp24(picture);
    ASSERT_EQ(b.size(), 54 + c.stride * c.height);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32At(b, 2), b.size());
    EXPECT_EQ(U32At(b, 10), 54u);
    EXPECT_EQ(U32At(b, 14), 40u);
    EXPECT_EQ(U32At(b, 18), static_cast<std::uint32_t>(c.width));
    EXPECT_EQ(U32At(b, 22), static_cast<std::uint32_t>(c.height));  // positive: bottom-up
    EXPECT_EQ(U16At(b, 26), 1);
    EXPECT_EQ(U16At(b, 28), 24);
    EXPECT_EQ(U32At(b, 30), 0u);
    EXPECT_EQ(U32At(b, 34), c.stride * c.height);
    // The first stored row is the picture's bottom row, blue first; padding bytes are zero.
    const Color bottom_left = picture.At(0, c.height - 1);
    EXPECT_EQ(b[54], BlueOf(bottom_left));
    EXPECT_EQ(b[55], GreenOf(bottom_left));
    EXPECT_EQ(b[56], RedOf(bottom_left));
    for (size_t pad = static_cast<size_t>(c.width) * 3; pad < c.stride; ++pad)
      EXPECT_EQ(b[54 + pad], 0) << pad;
  }
}

TEST(Bmp, RoundTripsEveryPixel) {
  for (const auto& [w, h] : {std::pair{1, 1}, {3, 3}, {7, 2}, {64, 5}, {786, 2}}) {
    const Picture picture = Pattern(w, h);
    const std::optional<Picture> back = DecodeBmp(EncodeBmp24(picture));
    ASSERT_TRUE(back.has_value()) << w << "x" << h;
    EXPECT_EQ(back->width, w);
    EXPECT_EQ(back->height, h);
    EXPECT_EQ(back->pixels, picture.pixels) << w << "x" << h;
  }
}

TEST(Bmp, EncodingIgnoresTheSystemColourFlag) {
  Picture picture(1, 1, 0x80000005u);
  EXPECT_EQ(DecodeBmp(EncodeBmp24(picture))->At(0, 0), 0x000005u);
}

TEST(Bmp, DecodesEveryOrientationAndDepth) {
  struct Case {
    int width, height, bits;
  };
  for (const Case c : {Case{3, 2, 24}, Case{3, -2, 24}, Case{5, 3, 32}, Case{5, -3, 32}, Case{1, -1, 32}}) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " at " + std::to_string(c.bits));
    const std::optional<Picture> picture = DecodeBmp(HandMade(c.width, c.height, c.bits));
    ASSERT_TRUE(picture.has_value());
    const int rows = c.height < 0 ? -c.height : c.height;
    EXPECT_EQ(picture->width, c.width);
    EXPECT_EQ(picture->height, rows);
    EXPECT_EQ(picture->pixels, Pattern(c.width, rows).pixels);
  }
}

TEST(Bmp, AcceptsLongerInfoHeadersAndAGapBeforeThePixels) {
  // A V5 header (124 bytes) and pixel data that starts later than the headers end.
  Bytes b = HandMade(2, 2, 24);
  const Bytes pixels(b.begin() + 54, b.end());
  b.resize(14 + 124 + 10, 0);
  PutU32(b, 14, 124);
  PutU32(b, 10, static_cast<std::uint32_t>(b.size()));
  b.insert(b.end(), pixels.begin(), pixels.end());
  const std::optional<Picture> picture = DecodeBmp(b);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->pixels, Pattern(2, 2).pixels);
}

TEST(Bmp, RejectsDamagedAndUnsupportedFiles) {
  const Bytes good = HandMade(3, 2, 24);  // stride 12, 24 bytes of pixels
  struct Case {
    const char* what;
    size_t at;  // field to overwrite, or SIZE_MAX to only resize
    std::uint32_t value;
    int width = 4;      // bytes of the field
    size_t resize = 0;  // when non-zero: the file cut or grown to this length first
  };
  const Case cases[] = {
      {"wrong magic", 0, 'B' | ('A' << 8), 2},
      {"core header (12 bytes)", 14, 12},
      {"info header longer than the file", 14, 1000},
      {"zero planes", 26, 0, 2},
      {"8 bits per pixel", 28, 8, 2},
      {"16 bits per pixel", 28, 16, 2},
      {"RLE8 compression", 30, 1},
      {"bit-field compression", 30, 3},
      {"zero width", 18, 0},
      {"negative width", 18, static_cast<std::uint32_t>(-3)},
      {"zero height", 22, 0},
      {"most negative height", 22, 0x80000000u},
      {"absurd width", 18, 0x7FFFFFFF},
      {"absurd height", 22, 0x40000000},
      {"width beyond the pixel data", 18, 5},
      {"height beyond the pixel data", 22, 3},
      {"pixels start inside the headers", 10, 40},
      {"pixels start past the end", 10, 0xFFFFFFF0u},
      {"last row one byte short", SIZE_MAX, 0, 4, 54 + 23},
      {"headers only", SIZE_MAX, 0, 4, 54},
      {"shorter than the headers", SIZE_MAX, 0, 4, 53},
      {"two bytes", SIZE_MAX, 0, 4, 2},
  };
  for (const Case& c : cases) {
    Bytes b = good;
    if (c.resize != 0) b.resize(c.resize);
    if (c.at != SIZE_MAX && c.width == 2) PutU16(b, c.at, static_cast<std::uint16_t>(c.value));
    if (c.at != SIZE_MAX && c.width == 4) PutU32(b, c.at, c.value);
    EXPECT_FALSE(DecodeBmp(b).has_value()) << c.what;
  }
  EXPECT_FALSE(DecodeBmp({}).has_value()) << "no bytes";
  EXPECT_TRUE(DecodeBmp(good).has_value()) << "the unchanged file";
}

TEST(Bmp, EveryTruncationOfAValidFileIsRejected) {
  const Bytes whole = EncodeBmp24(Pattern(5, 3));
  for (size_t length = 0; length < whole.size(); ++length) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(DecodeBmp(cut).has_value()) << "cut to " << length << " of " << whole.size();
  }
}

TEST(Bmp, SurvivesCorruptedHeaders) {
  // Any value in any header byte either decodes to a picture whose pixels fit the input, or is rejected.
  const Bytes good = HandMade(4, 3, 32);
  for (size_t at = 0; at < 54; ++at) {
    for (int value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      Bytes b = good;
      b[at] = static_cast<std::uint8_t>(value);
      const std::optional<Picture> picture = DecodeBmp(b);
      if (picture) {
        EXPECT_EQ(picture->pixels.size(), static_cast<size_t>(picture->width) * picture->height);
        EXPECT_LE(picture->pixels.size() * 3, b.size()) << "byte " << at << " = " << value;
      }
    }
  }
}

}  // namespace
}  // namespace zv
