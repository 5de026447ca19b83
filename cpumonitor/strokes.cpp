// The few line shapes the monitor draws, as runs of pixels with the canvas's Line rules.
#include "cpumonitor/strokes.h"

#include <cstdint>
#include <utility>

namespace zv::cpumonitor {
namespace {

// Rows `from` to `to` of column x, both included, in either order, clipped before they narrow to int.
// Written straight into the rows: a fill per one-pixel row would cost more than the pixel.
void Rows(Canvas& canvas, int x, std::int64_t from, std::int64_t to, Color color) {
  if (from > to) std::swap(from, to);
  const int width = canvas.Width();
  const int height = canvas.Height();
  if (to < 0 || from >= height || x < 0 || x >= width) return;
  const auto top = static_cast<int>(from < 0 ? 0 : from);
  const auto bottom = static_cast<int>(to >= height ? height : to + 1);
  const std::uint32_t pixel = Canvas::ToPixel(color);
  std::uint32_t* at = canvas.Row(top) + x;
  for (int rows = bottom - top; rows > 0; --rows, at += width) *at = pixel;
}

}  // namespace

void VerticalStroke(Canvas& canvas, int x, int y1, int y2, Color color) {
  if (y1 == y2) return;
  const std::int64_t last = y2 > y1 ? std::int64_t{y2} - 1 : std::int64_t{y2} + 1;
  Rows(canvas, x, y1, last, color);
}

void HorizontalStroke(Canvas& canvas, int x1, int x2, int y, Color color) {
  if (x1 >= x2) return;
  canvas.FillRect({x1, y, x2, y + 1}, color);
}

// One step across and n = |y2 - y1| steps down or up. With n <= 1 the line is x-major and draws only its
// start. Otherwise step i (0 <= i < n) lies at x + i / n, so it is in column x while 2i <= n (the half goes
// to the smaller x) and in column x + 1 after that.
void SegmentStroke(Canvas& canvas, int x, int y1, int y2, Color color) {
  const std::int64_t rise = std::int64_t{y2} - y1;
  const std::int64_t n = rise < 0 ? -rise : rise;
  if (n <= 1) {
    Rows(canvas, x, y1, y1, color);
    return;
  }
  const std::int64_t direction = rise > 0 ? 1 : -1;
  const std::int64_t half = n / 2;
  Rows(canvas, x, y1, y1 + direction * half, color);
  if (half + 1 <= n - 1) Rows(canvas, x + 1, y1 + direction * (half + 1), y1 + direction * (n - 1), color);
}

}  // namespace zv::cpumonitor
