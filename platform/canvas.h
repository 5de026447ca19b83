// Raster drawing surface: 32-bit pixels with the fill, frame, line, pixel, focus and
// text rules of the platform's GDI, so that controls draw the same pixels everywhere.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/picture.h"

namespace zv {

// DrawText format flags, with the platform's values.
namespace textflag {
constexpr unsigned kCenter = 0x1;
constexpr unsigned kVCenter = 0x4;
constexpr unsigned kWordBreak = 0x10;
constexpr unsigned kSingleLine = 0x20;
constexpr unsigned kExpandTabs = 0x40;
constexpr unsigned kNoPrefix = 0x800;
}  // namespace textflag

// The value GetPixel gives for a point outside the surface.
constexpr Color kInvalidColor = 0xFFFFFFFFu;

class Canvas;

struct TextExtent {
  double width = 0;
  double height = 0;
};

// Measures and draws text into a canvas's pixels. The Win32 renderer uses GDI on the
// canvas's DIB section; the host renderer a deterministic stand-in font.
class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // Extent of the text on one line, "&" prefixes processed unless kNoPrefix is given.
  virtual TextExtent Measure(const Font& font, std::string_view utf8, unsigned flags) = 0;
  // Draws transparently (no background) in the colour, laid out in the rectangle as DrawText does.
  virtual void Draw(Canvas& canvas, const Font& font, Color color, std::string_view utf8, Rect rect,
                    unsigned flags) = 0;
};

// A view over 32-bit pixels owned elsewhere (a DIB section on Windows, a vector in tests).
// Pixels are stored as the DIB stores them (0x00RRGGBB); the interface speaks 0x00BBGGRR.
class Canvas {
 public:
  // A buffer shorter than width × height exposes only the whole rows it holds.
  Canvas(std::span<std::uint32_t> bits, int width, int height, TextRenderer* text);

  int Width() const { return width_; }
  int Height() const { return height_; }
  TextRenderer* Text() const { return text_; }

  void Clear(Color background);
  // FillRect: every pixel left <= x < right, top <= y < bottom.
  void FillRect(Rect rect, Color color);
  // FrameRect: the outermost pixels of the same rectangle; nothing for an empty one.
  void FrameRect(Rect rect, Color color);
  // MoveToEx/LineTo with a one-pixel pen: from (x1, y1) to (x2, y2), the end point not drawn.
  // One pixel per step along the longer axis; where the exact line passes midway between two
  // pixels the one with the smaller coordinate is taken, so a line and its reverse share pixels.
  void Line(int x1, int y1, int x2, int y2, Color color);
  void SetPixel(int x, int y, Color color);
  // kInvalidColor outside the surface.
  Color GetPixel(int x, int y) const;
  // DrawFocusRect: inverts every other pixel of the rectangle's outline.
  // XOR with 0xFFFFFF of the outline pixels with x + y even, each once, so a second call undoes it.
  void DrawFocusRect(Rect rect);
  // Copies a picture with its top-left corner at dest, clipped to the surface.
  void DrawPicture(const Picture& picture, Point dest);

  // Text is measured and drawn at the canvas's dpi: a 9-point font is 12 pixels high at 96, 18 at 144.
  int TextDpi() const { return textDpi_; }
  void SetTextDpi(int dpi) { textDpi_ = dpi; }
  TextExtent MeasureText(const Font& font, std::string_view utf8, unsigned flags = 0);
  void DrawText(const Font& font, Color color, std::string_view utf8, Rect rect, unsigned flags);

  // For renderers that write the pixels directly.
  std::span<std::uint32_t> Bits() { return bits_; }
  std::uint32_t* Row(int y) { return bits_.data() + static_cast<size_t>(y) * width_; }
  bool InBounds(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  static constexpr std::uint32_t ToPixel(Color c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  static constexpr Color FromPixel(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
  }

 private:
  std::span<std::uint32_t> bits_;
  int width_;
  int height_;
  TextRenderer* text_;
  int textDpi_ = kStandardDpi;
};

// A canvas with its own pixel storage, for tests, tools and off-screen drawing.
// Copies get their own pixels; a moved-from canvas is left 0 × 0.
class OwnedCanvas {
 public:
  OwnedCanvas(int width, int height, TextRenderer* text);
  OwnedCanvas(const OwnedCanvas& other);
  OwnedCanvas& operator=(const OwnedCanvas& other);
  OwnedCanvas(OwnedCanvas&& other) noexcept;
  OwnedCanvas& operator=(OwnedCanvas&& other) noexcept;

  Canvas& canvas() { return canvas_; }
  const Canvas& canvas() const { return canvas_; }
  Picture ToPicture() const;

 private:
  std::vector<std::uint32_t> storage_;
  Canvas canvas_;
};

}  // namespace zv
