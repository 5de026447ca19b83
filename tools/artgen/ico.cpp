// Writers of Windows icon (.ico) and monochrome cursor (.cur) files.
#include "tools/artgen/ico.h"

#include "tools/artgen/palette.h"

namespace zv::artgen {
namespace {

constexpr std::uint16_t kTypeIcon = 1;
constexpr std::uint16_t kTypeCursor = 2;
constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

void PutU8(std::vector<std::uint8_t>& out, unsigned v) { out.push_back(static_cast<std::uint8_t>(v)); }
void PutU16(std::vector<std::uint8_t>& out, unsigned v) {
  PutU8(out, v & 0xFF);
  PutU8(out, (v >> 8) & 0xFF);
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

std::uint32_t Stride(int width, int bits_per_pixel) {
  return static_cast<std::uint32_t>((width * bits_per_pixel + 31) / 32 * 4);
}

// A device-independent bitmap as icon resources hold it: header, palette, colour rows, mask rows.
// The height is doubled because the AND mask follows the colour rows.
struct DibImage {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 0;
  Palette palette;
  std::vector<std::uint8_t> xor_rows;  // bottom-up
  std::vector<std::uint8_t> and_rows;  // bottom-up, 1 = transparent

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out;
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height * 2));
    PutU16(out, 1);
    PutU16(out, static_cast<unsigned>(bits_per_pixel));
    PutU32(out, 0);  // BI_RGB
    PutU32(out, static_cast<std::uint32_t>(xor_rows.size() + and_rows.size()));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    for (const Rgb8& c : palette) {
      PutU8(out, c.b);
      PutU8(out, c.g);
      PutU8(out, c.r);
      PutU8(out, 0);
    }
    out.insert(out.end(), xor_rows.begin(), xor_rows.end());
    out.insert(out.end(), and_rows.begin(), and_rows.end());
    return out;
  }
};

void SetBit(std::vector<std::uint8_t>& rows, std::uint32_t row_start, int x) {
  rows[row_start + static_cast<std::uint32_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
}

DibImage ToDib(const IconImage& icon) {
  const Image& image = *icon.image;
  DibImage dib;
  dib.width = image.width();
  dib.height = image.height();
  dib.bits_per_pixel = icon.bits_per_pixel;
  if (icon.bits_per_pixel == 4) dib.palette = VgaPalette();
  if (icon.bits_per_pixel == 8) dib.palette = IconPalette256();
  const std::uint32_t xor_stride = Stride(dib.width, dib.bits_per_pixel);
  const std::uint32_t and_stride = Stride(dib.width, 1);
  dib.xor_rows.assign(xor_stride * static_cast<std::uint32_t>(dib.height), 0);
  dib.and_rows.assign(and_stride * static_cast<std::uint32_t>(dib.height), 0);

  for (int y = 0; y < dib.height; ++y) {
    const std::uint32_t row = static_cast<std::uint32_t>(dib.height - 1 - y);
    std::uint8_t* colour_row = dib.xor_rows.data() + row * xor_stride;
    for (int x = 0; x < dib.width; ++x) {
      const Rgba c = image.At(x, y);
      const std::uint8_t alpha = ToByte(c.a);
      const bool transparent = alpha < 128;
      if (transparent) SetBit(dib.and_rows, row * and_stride, x);
      const Rgb8 rgb{ToByte(c.r), ToByte(c.g), ToByte(c.b)};
      if (dib.bits_per_pixel == 32) {
        const bool empty = alpha == 0;
        colour_row[x * 4 + 0] = empty ? 0 : rgb.b;
        colour_row[x * 4 + 1] = empty ? 0 : rgb.g;
        colour_row[x * 4 + 2] = empty ? 0 : rgb.r;
        colour_row[x * 4 + 3] = alpha;
      } else if (!transparent) {
        const auto index = static_cast<std::uint8_t>(NearestIndex(dib.palette, rgb));
        if (dib.bits_per_pixel == 8) {
          colour_row[x] = index;
        } else {
          colour_row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
      }
    }
  }
  return dib;
}

std::uint8_t CursorBit(CursorPixel p, bool and_plane) {
  switch (p) {
    case CursorPixel::kTransparent:
      return and_plane ? 1 : 0;
    case CursorPixel::kBlack:
      return 0;
    case CursorPixel::kWhite:
      return and_plane ? 0 : 1;
    case CursorPixel::kInverted:
      return 1;
  }
  return 0;
}

}  // namespace

std::vector<std::uint8_t> EncodeIcon(std::span<const IconImage> images) {
  std::vector<std::vector<std::uint8_t>> bodies;
  for (const IconImage& icon : images) bodies.push_back(ToDib(icon).Bytes());

  std::vector<std::uint8_t> out;
  PutU16(out, 0);
  PutU16(out, kTypeIcon);
  PutU16(out, static_cast<unsigned>(images.size()));
  std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const int bpp = images[i].bits_per_pixel;
    PutU8(out, static_cast<unsigned>(images[i].image->width() & 0xFF));  // 256 is written as 0
    PutU8(out, static_cast<unsigned>(images[i].image->height() & 0xFF));
    PutU8(out, bpp < 8 ? 1u << bpp : 0u);
    PutU8(out, 0);
    PutU16(out, 1);
    PutU16(out, static_cast<unsigned>(bpp));
    PutU32(out, static_cast<std::uint32_t>(bodies[i].size()));
    PutU32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<std::uint8_t> EncodeCursor(const MonoCursor& cursor) {
  DibImage dib;
  dib.width = kCursorSide;
  dib.height = kCursorSide;
  dib.bits_per_pixel = 1;
  dib.palette = {{0, 0, 0}, {255, 255, 255}};
  const std::uint32_t stride = Stride(kCursorSide, 1);
  dib.xor_rows.assign(stride * kCursorSide, 0);
  dib.and_rows.assign(stride * kCursorSide, 0);
  for (int y = 0; y < kCursorSide; ++y) {
    const std::uint32_t row = static_cast<std::uint32_t>(kCursorSide - 1 - y) * stride;
    for (int x = 0; x < kCursorSide; ++x) {
      const CursorPixel p = cursor.pixels[y][x];
      if (CursorBit(p, false)) SetBit(dib.xor_rows, row, x);
      if (CursorBit(p, true)) SetBit(dib.and_rows, row, x);
    }
  }
  const std::vector<std::uint8_t> body = dib.Bytes();

  std::vector<std::uint8_t> out;
  PutU16(out, 0);
  PutU16(out, kTypeCursor);
  PutU16(out, 1);
  PutU8(out, kCursorSide);
  PutU8(out, kCursorSide);
  PutU8(out, 2);  // colours in the palette
  PutU8(out, 0);
  PutU16(out, static_cast<unsigned>(
                  cursor.hot_x));  // a cursor entry keeps its hot spot where an icon's has planes
  PutU16(out, static_cast<unsigned>(cursor.hot_y));  // and bit count
  PutU32(out, static_cast<std::uint32_t>(body.size()));
  PutU32(out, kDirectorySize + kEntrySize);
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace zv::artgen
