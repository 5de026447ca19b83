// The few line shapes the monitor draws, as runs of pixels with the canvas's Line rules.
#include "cpumonitor/strokes.h"

#include <algorithm>

namespace zv::cpumonitor {
namespace {

// A canvas's pixels taken a column at a time in one colour, its size read once: the pixels are
// unsigned ints, and a store through them would otherwise make the compiler read the size again.
class Columns {
 public:
  Columns(Canvas& canvas, Color color)
      : bits_(canvas.Bits().data()),
        width_(canvas.Width()),
        height_(canvas.Height()),
        pixel_(Canvas::ToPixel(color)) {}

  bool Holds(std::int64_t x) const { return x >= 0 && x < width_; }

  // Rows top to bottom of column x, both included, clipped to the canvas; x must be on it. Written
  // straight into the pixels: a fill per one-pixel row would cost more than the pixel.
  void Fill(std::int64_t x, std::int64_t top, std::int64_t bottom) const {
    top = std::max<std::int64_t>(top, 0);
    bottom = std::min(bottom, height_ - 1);
    std::uint32_t* at = bits_ + top * width_ + x;
    for (std::int64_t rows = bottom - top + 1; rows > 0; --rows, at += width_) *at = pixel_;
  }

 private:
  std::uint32_t* bits_;
  std::ptrdiff_t width_;
  std::int64_t height_;
  std::uint32_t pixel_;
};

std::int64_t Sign(std::int64_t value) { return (value > 0) - (value < 0); }

// A segment (x, from)-(x + 1, to) takes n = |to - from| steps down or up. With n <= 1 it is x-major and
// draws only `from`. Otherwise step i (0 <= i < n) lies at x + i / n, so it is in column x while 2i <= n
// (the half goes to the smaller x) and in column x + 1 after that; step n, `to`, is not drawn.
// Each part is measured from the row of its own column, as a signed count of rows.

// In column x: `from` itself and n / 2 rows on toward `to`.
std::int64_t StartReach(std::int64_t from, std::int64_t to) { return (to - from) / 2; }

// In column x + 1: (n - 1) / 2 rows back from `to` toward `from`, `to` itself excluded; none for n <= 2.
std::int64_t EndReach(std::int64_t from, std::int64_t to) {
  const std::int64_t back = from - to;
  return (back - Sign(back)) / 2;
}

// The rows a segment's start puts in the column of its row `row`: row to row + reach, either way.
void FillStart(const Columns& columns, std::int64_t x, std::int64_t row, std::int64_t reach) {
  columns.Fill(x, row + std::min<std::int64_t>(reach, 0), row + std::max<std::int64_t>(reach, 0));
}

// The rows a segment's end puts in the column of its row `row`: row + 1 to row + reach, or up for a
// negative reach; nothing for 0.
void FillEnd(const Columns& columns, std::int64_t x, std::int64_t row, std::int64_t reach) {
  if (reach != 0) columns.Fill(x, row + std::min(reach, Sign(reach)), row + std::max(reach, Sign(reach)));
}

}  // namespace

void VerticalStroke(Canvas& canvas, int x, int y1, int y2, Color color) {
  const Columns columns(canvas, color);
  if (y1 == y2 || !columns.Holds(x)) return;
  if (y1 < y2) {
    columns.Fill(x, y1, std::int64_t{y2} - 1);
  } else {
    columns.Fill(x, std::int64_t{y2} + 1, y1);
  }
}

void HorizontalStroke(Canvas& canvas, int x1, int x2, int y, Color color) {
  if (x1 >= x2) return;
  canvas.FillRect({x1, y, x2, y + 1}, color);
}

void SegmentStroke(Canvas& canvas, int x, int y1, int y2, Color color) {
  const Columns columns(canvas, color);
  if (columns.Holds(x)) FillStart(columns, x, y1, StartReach(y1, y2));
  if (columns.Holds(std::int64_t{x} + 1)) FillEnd(columns, std::int64_t{x} + 1, y2, EndReach(y1, y2));
}

// Column x holds the end of the segment from x - 1 and the start of the one from x. The first stops
// next to row(x) and the second starts at row(x), so the two are one run around row(x).
void LineDiagram(Canvas& canvas, int firstX, std::span<const std::int32_t> rows, std::int32_t noRow,
                 Color color) {
  const Columns columns(canvas, color);
  const auto count = static_cast<std::int64_t>(rows.size());
  // Only the columns on the canvas are visited.
  const std::int64_t begin = std::max<std::int64_t>(0, -std::int64_t{firstX});
  const std::int64_t end = std::min<std::int64_t>(count, std::int64_t{canvas.Width()} - firstX);
  for (std::int64_t i = begin; i < end; ++i) {
    const std::int64_t row = rows[i];
    if (row == noRow) continue;
    const bool endsHere = i > 0 && rows[i - 1] != noRow;
    const bool startsHere = i + 1 < count && rows[i + 1] != noRow;
    const std::int64_t endReach = endsHere ? EndReach(rows[i - 1], row) : 0;
    if (startsHere) {
      const std::int64_t startReach = StartReach(row, rows[i + 1]);
      columns.Fill(firstX + i, row + std::min({std::int64_t{0}, startReach, endReach}),
                   row + std::max({std::int64_t{0}, startReach, endReach}));
    } else {
      FillEnd(columns, firstX + i, row, endReach);
    }
  }
}

}  // namespace zv::cpumonitor
