// Raster canvas: the GDI pixel rules for fills, frames, lines, focus rectangles and pictures,
// every operation clipped to the surface.
#include "platform/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace zv {
namespace {

constexpr std::uint32_t kInvertMask = 0xFFFFFF;

Rect Intersect(Rect a, Rect b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// Step indices i in [first, last) for which start + direction × i lies in [0, extent).
struct StepRange {
  std::int64_t first;
  std::int64_t last;
};

StepRange StepsInside(std::int64_t start, int direction, std::int64_t extent, std::int64_t steps) {
  std::int64_t first = direction > 0 ? -start : start - extent + 1;
  std::int64_t last = direction > 0 ? extent - start : start + 1;
  return {std::max<std::int64_t>(first, 0), std::min(last, steps)};
}

// Offset of the minor coordinate after `step` steps along the major axis: the exact value
// step × minor / major rounded to the nearest pixel, halves toward the smaller coordinate.
std::int64_t MinorOffset(std::uint64_t step, std::uint64_t minor, std::uint64_t major, int direction) {
  const std::uint64_t product = step * minor;  // both below 2^32, so no overflow
  const std::uint64_t whole = product / major;
  const std::uint64_t twiceRest = 2 * (product % major);
  const bool roundAway = direction > 0 ? twiceRest > major : twiceRest >= major;
  const auto magnitude = static_cast<std::int64_t>(whole + (roundAway ? 1 : 0));
  return direction > 0 ? magnitude : -magnitude;
}

}  // namespace

Canvas::Canvas(std::span<std::uint32_t> bits, int width, int height, TextRenderer* text)
    : bits_(bits), width_(std::max(width, 0)), height_(std::max(height, 0)), text_(text) {
  // Never more rows than the buffer holds, so no drawing can run past its end.
  const size_t rowsHeld = width_ == 0 ? 0 : bits.size() / width_;
  height_ = static_cast<int>(std::min<size_t>(height_, rowsHeld));
  bits_ = bits.first(static_cast<size_t>(width_) * height_);
}

void Canvas::Clear(Color background) { std::fill(bits_.begin(), bits_.end(), ToPixel(background)); }

void Canvas::FillRect(Rect rect, Color color) {
  const Rect clipped = Intersect(rect, {0, 0, width_, height_});
  if (clipped.IsEmpty()) return;
  const std::uint32_t pixel = ToPixel(color);
  for (int y = clipped.top; y < clipped.bottom; ++y) {
    std::fill(Row(y) + clipped.left, Row(y) + clipped.right, pixel);
  }
}

void Canvas::FrameRect(Rect rect, Color color) {
  if (rect.IsEmpty()) return;
  FillRect({rect.left, rect.top, rect.right, rect.top + 1}, color);
  FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
  FillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, color);
  FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void Canvas::Line(int x1, int y1, int x2, int y2, Color color) {
  const std::int64_t dx = std::int64_t{x2} - x1;
  const std::int64_t dy = std::int64_t{y2} - y1;
  if (dx == 0 && dy == 0) return;

  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const std::int64_t majorStart = xMajor ? x1 : y1;
  const std::int64_t minorStart = xMajor ? y1 : x1;
  const std::int64_t majorDelta = xMajor ? dx : dy;
  const std::int64_t minorDelta = xMajor ? dy : dx;
  const int majorDirection = majorDelta > 0 ? 1 : -1;
  const int minorDirection = minorDelta >= 0 ? 1 : -1;
  const std::int64_t majorExtent = xMajor ? width_ : height_;
  const std::int64_t minorExtent = xMajor ? height_ : width_;
  const auto majorLength = static_cast<std::uint64_t>(std::abs(majorDelta));
  const auto minorLength = static_cast<std::uint64_t>(std::abs(minorDelta));

  // Only the steps whose major coordinate is on the surface are walked, so a far-reaching
  // line costs no more than one across the surface; the end point (step majorLength) is excluded.
  const StepRange steps = StepsInside(majorStart, majorDirection, majorExtent, majorLength);
  const std::uint32_t pixel = ToPixel(color);
  for (std::int64_t i = steps.first; i < steps.last; ++i) {
    const std::int64_t major = majorStart + majorDirection * i;
    const std::int64_t minor =
        minorStart + MinorOffset(static_cast<std::uint64_t>(i), minorLength, majorLength, minorDirection);
    if (minor < 0 || minor >= minorExtent) continue;
    const auto x = static_cast<int>(xMajor ? major : minor);
    const auto y = static_cast<int>(xMajor ? minor : major);
    Row(y)[x] = pixel;
  }
}

void Canvas::SetPixel(int x, int y, Color color) {
  if (InBounds(x, y)) Row(y)[x] = ToPixel(color);
}

Color Canvas::GetPixel(int x, int y) const {
  if (!InBounds(x, y)) return kInvalidColor;
  return FromPixel(bits_[static_cast<size_t>(y) * width_ + x]);
}

void Canvas::DrawFocusRect(Rect rect) {
  if (rect.IsEmpty()) return;
  auto invertIfEven = [this](int x, int y) {
    if (InBounds(x, y) && (x + y) % 2 == 0) Row(y)[x] ^= kInvertMask;
  };
  // Each outline pixel is visited once: the rows take the corners, the columns only what lies
  // between them, and a one-pixel-high or -wide rectangle has a single row or column.
  const int lastRow = rect.bottom - 1;
  const int lastColumn = rect.right - 1;
  const int xFrom = std::max(rect.left, 0);
  const int xTo = std::min(rect.right, width_);
  for (int x = xFrom; x < xTo; ++x) {
    invertIfEven(x, rect.top);
    if (lastRow != rect.top) invertIfEven(x, lastRow);
  }
  const int yFrom = std::max(rect.top + 1, 0);
  const int yTo = std::min(lastRow, height_);
  for (int y = yFrom; y < yTo; ++y) {
    invertIfEven(rect.left, y);
    if (lastColumn != rect.left) invertIfEven(lastColumn, y);
  }
}

void Canvas::DrawPicture(const Picture& picture, Point dest) {
  if (picture.IsEmpty() || picture.pixels.size() < static_cast<size_t>(picture.width) * picture.height)
    return;
  // Right and bottom are clamped to the surface before the addition could overflow.
  const int right = static_cast<int>(std::min<std::int64_t>(std::int64_t{dest.x} + picture.width, width_));
  const int bottom = static_cast<int>(std::min<std::int64_t>(std::int64_t{dest.y} + picture.height, height_));
  const Rect target = Intersect({dest.x, dest.y, right, bottom}, {0, 0, width_, height_});
  for (int y = target.top; y < target.bottom; ++y) {
    std::uint32_t* row = Row(y);
    for (int x = target.left; x < target.right; ++x) row[x] = ToPixel(picture.At(x - dest.x, y - dest.y));
  }
}

TextExtent Canvas::MeasureText(const Font& font, std::string_view utf8, unsigned flags) {
  if (text_ == nullptr) return {};
  if (textDpi_ == kStandardDpi) return text_->Measure(font, utf8, flags);
  return text_->Measure(font.AtDpi(textDpi_), utf8, flags);
}

void Canvas::DrawText(const Font& font, Color color, std::string_view utf8, Rect rect, unsigned flags) {
  if (text_ == nullptr) return;
  if (textDpi_ == kStandardDpi) {
    text_->Draw(*this, font, color, utf8, rect, flags);
  } else {
    text_->Draw(*this, font.AtDpi(textDpi_), color, utf8, rect, flags);
  }
}

OwnedCanvas::OwnedCanvas(int width, int height, TextRenderer* text)
    : storage_(static_cast<size_t>(std::max(width, 0)) * std::max(height, 0)),
      canvas_(storage_, width, height, text) {}

OwnedCanvas::OwnedCanvas(const OwnedCanvas& other)
    : storage_(other.storage_),
      canvas_(storage_, other.canvas_.Width(), other.canvas_.Height(), other.canvas_.Text()) {
  canvas_.SetTextDpi(other.canvas_.TextDpi());
}

OwnedCanvas& OwnedCanvas::operator=(const OwnedCanvas& other) {
  storage_ = other.storage_;
  canvas_ = Canvas(storage_, other.canvas_.Width(), other.canvas_.Height(), other.canvas_.Text());
  canvas_.SetTextDpi(other.canvas_.TextDpi());
  return *this;
}

OwnedCanvas::OwnedCanvas(OwnedCanvas&& other) noexcept
    : storage_(std::move(other.storage_)),
      canvas_(storage_, other.canvas_.Width(), other.canvas_.Height(), other.canvas_.Text()) {
  canvas_.SetTextDpi(other.canvas_.TextDpi());
  other.storage_.clear();
  other.canvas_ = Canvas({}, 0, 0, other.canvas_.Text());
}

OwnedCanvas& OwnedCanvas::operator=(OwnedCanvas&& other) noexcept {
  if (this == &other) return *this;
  storage_ = std::move(other.storage_);
  canvas_ = Canvas(storage_, other.canvas_.Width(), other.canvas_.Height(), other.canvas_.Text());
  canvas_.SetTextDpi(other.canvas_.TextDpi());
  other.storage_.clear();
  other.canvas_ = Canvas({}, 0, 0, other.canvas_.Text());
  return *this;
}

Picture OwnedCanvas::ToPicture() const {
  Picture picture(canvas_.Width(), canvas_.Height());
  std::transform(storage_.begin(), storage_.begin() + static_cast<std::ptrdiff_t>(picture.pixels.size()),
                 picture.pixels.begin(), Canvas::FromPixel);
  return picture;
}

}  // namespace zv
