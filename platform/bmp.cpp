// Windows bitmap files: writing 24-bit pictures and reading uncompressed 24- and 32-bit ones.
#include "platform/bmp.h"

#include <cstddef>

namespace zv {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionRgb = 0;
// No picture of this program comes near this; larger sides only come from damaged headers.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int32_t kPixelsPerMeter96Dpi = 3780;

std::size_t RowStride(std::int64_t width, int bits_per_pixel) {
  return static_cast<std::size_t>((width * bits_per_pixel + 31) / 32 * 4);
}

class Writer {
 public:
  explicit Writer(std::vector<std::uint8_t>& out) : out_(out) {}
  void U16(std::uint16_t v) {
    out_.push_back(static_cast<std::uint8_t>(v));
    out_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }

 private:
  std::vector<std::uint8_t>& out_;
};

// Little-endian fields at fixed offsets; callers check the length first.
std::uint16_t U16At(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32At(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(U16At(b, at)) | (static_cast<std::uint32_t>(U16At(b, at + 2)) << 16);
}
std::int32_t I32At(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(U32At(b, at));
}

struct Layout {
  int width = 0;
  int height = 0;
  bool top_down = false;
  int bits_per_pixel = 0;
  std::size_t pixel_offset = 0;
  std::size_t stride = 0;
};

std::optional<Layout> ReadLayout(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
  if (bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;

  const std::uint32_t pixel_offset = U32At(bytes, 10);
  const std::uint32_t info_size = U32At(bytes, 14);
  const std::int64_t width = I32At(bytes, 18);
  const std::int64_t height = I32At(bytes, 22);
  const std::uint16_t planes = U16At(bytes, 26);
  const std::uint16_t bits_per_pixel = U16At(bytes, 28);
  const std::uint32_t compression = U32At(bytes, 30);

  // Later header versions (V4, V5) extend the 40-byte one; their extra fields do not matter for BI_RGB.
  if (info_size < kInfoHeaderSize || info_size > bytes.size() - kFileHeaderSize) return std::nullopt;
  if (planes != 1 || compression != kCompressionRgb) return std::nullopt;
  if (bits_per_pixel != 24 && bits_per_pixel != 32) return std::nullopt;
  const std::int64_t rows = height < 0 ? -height : height;
  if (width <= 0 || rows == 0 || width > kMaxSide || rows > kMaxSide) return std::nullopt;

  Layout layout;
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(rows);
  layout.top_down = height < 0;
  layout.bits_per_pixel = bits_per_pixel;
  layout.pixel_offset = pixel_offset;
  layout.stride = RowStride(width, bits_per_pixel);
  if (pixel_offset < kFileHeaderSize + info_size || pixel_offset > bytes.size()) return std::nullopt;
  if (layout.stride * static_cast<std::size_t>(rows) > bytes.size() - pixel_offset) return std::nullopt;
  return layout;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Picture& picture) {
  const int width = picture.IsEmpty() ? 0 : picture.width;
  const int height = picture.IsEmpty() ? 0 : picture.height;
  const std::size_t stride = RowStride(width, 24);
  const std::size_t image_size = stride * static_cast<std::size_t>(height);
  const std::size_t file_size = kFileHeaderSize + kInfoHeaderSize + image_size;

  std::vector<std::uint8_t> out;
  out.reserve(file_size);
  Writer w(out);
  w.U16(0x4D42);  // "BM"
  w.U32(static_cast<std::uint32_t>(file_size));
  w.U32(0);
  w.U32(static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize));
  w.U32(static_cast<std::uint32_t>(kInfoHeaderSize));
  w.I32(width);
  w.I32(height);  // positive: bottom-up
  w.U16(1);
  w.U16(24);
  w.U32(kCompressionRgb);
  w.U32(static_cast<std::uint32_t>(image_size));
  w.I32(kPixelsPerMeter96Dpi);
  w.I32(kPixelsPerMeter96Dpi);
  w.U32(0);
  w.U32(0);

  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Color c = picture.At(x, y);
      out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
      out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
      out.push_back(static_cast<std::uint8_t>(RedOf(c)));
    }
    out.resize(out.size() + stride - static_cast<std::size_t>(width) * 3, 0);
  }
  return out;
}

std::optional<Picture> DecodeBmp(std::span<const std::uint8_t> bytes) {
  const std::optional<Layout> layout = ReadLayout(bytes);
  if (!layout) return std::nullopt;

  Picture picture(layout->width, layout->height);
  const std::size_t bytes_per_pixel = static_cast<std::size_t>(layout->bits_per_pixel / 8);
  for (int row = 0; row < layout->height; ++row) {
    const int y = layout->top_down ? row : layout->height - 1 - row;
    const std::uint8_t* p =
        bytes.data() + layout->pixel_offset + layout->stride * static_cast<std::size_t>(row);
    for (int x = 0; x < layout->width; ++x, p += bytes_per_pixel) {
      picture.Set(x, y, Rgb(p[2], p[1], p[0]));  // stored blue, green, red (and an unused byte at 32 bpp)
    }
  }
  return picture;
}

}  // namespace zv
