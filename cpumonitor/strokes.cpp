// The few line shapes the monitor draws, as runs of pixels with the canvas's Line rules.
#include "cpumonitor/strokes.h"

#include <algorithm>

namespace zv::cpumonitor {
namespace {

// Rows top to bottom of one column, both included; empty when top > bottom. Wider than int, so that
// a run reaching past either edge is clipped before it narrows.
struct Run {
  std::int64_t top;
  std::int64_t bottom;
  bool Empty() const { return top > bottom; }
};

constexpr Run kNoRun = {0, -1};

// Two runs of one column that touch or overlap, as one.
Run Join(Run a, Run b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return {std::min(a.top, b.top), std::max(a.bottom, b.bottom)};
}

// A segment (x, from)-(x + 1, to) takes n = |to - from| steps down or up. With n <= 1 it is x-major and
// draws only `from`. Otherwise step i (0 <= i < n) lies at x + i / n, so it is in column x while 2i <= n
// (the half goes to the smaller x) and in column x + 1 after that; step n, `to`, is not drawn.

// The segment's run in column x: `from` and n / 2 rows on toward `to`.
Run StartColumnRun(std::int64_t from, std::int64_t to) {
  const std::int64_t reach = (from < to ? to - from : from - to) / 2;
  return from <= to ? Run{from, from + reach} : Run{from - reach, from};
}

// The segment's run in column x + 1: the (n - 1) / 2 rows before `to`, none for n <= 2.
Run EndColumnRun(std::int64_t from, std::int64_t to) {
  const std::int64_t steps = from < to ? to - from : from - to;
  const std::int64_t reach = steps <= 1 ? 0 : (steps - 1) / 2;
  return from <= to ? Run{to - reach, to - 1} : Run{to + 1, to + reach};
}

// The run's rows of column x that lie on the canvas, written straight into the rows: a fill per
// one-pixel row would cost more than the pixel.
void FillColumn(Canvas& canvas, std::int64_t x, Run run, std::uint32_t pixel) {
  const int width = canvas.Width();
  if (x < 0 || x >= width) return;
  const std::int64_t top = std::max<std::int64_t>(run.top, 0);
  const std::int64_t bottom = std::min<std::int64_t>(run.bottom, canvas.Height() - 1);
  std::uint32_t* const column = canvas.Bits().data() + x;
  for (std::int64_t y = top; y <= bottom; ++y) column[y * width] = pixel;
}

}  // namespace

void VerticalStroke(Canvas& canvas, int x, int y1, int y2, Color color) {
  if (y1 == y2) return;
  const Run run = y1 < y2 ? Run{y1, std::int64_t{y2} - 1} : Run{std::int64_t{y2} + 1, y1};
  FillColumn(canvas, x, run, Canvas::ToPixel(color));
}

void HorizontalStroke(Canvas& canvas, int x1, int x2, int y, Color color) {
  if (x1 >= x2) return;
  canvas.FillRect({x1, y, x2, y + 1}, color);
}

void SegmentStroke(Canvas& canvas, int x, int y1, int y2, Color color) {
  const std::uint32_t pixel = Canvas::ToPixel(color);
  FillColumn(canvas, x, StartColumnRun(y1, y2), pixel);
  FillColumn(canvas, std::int64_t{x} + 1, EndColumnRun(y1, y2), pixel);
}

// Column x holds the end of the segment from x - 1 and the start of the one from x. The first stops
// next to row(x) and the second starts at row(x), so the two are one run.
void LineDiagram(Canvas& canvas, int firstX, std::span<const std::int32_t> rows, std::int32_t noRow,
                 Color color) {
  const std::uint32_t pixel = Canvas::ToPixel(color);
  const auto count = static_cast<std::int64_t>(rows.size());
  const auto joined = [&](std::int64_t i) { return rows[i] != noRow && rows[i + 1] != noRow; };
  // Only the columns on the canvas are visited.
  const std::int64_t begin = std::max<std::int64_t>(0, -std::int64_t{firstX});
  const std::int64_t end = std::min<std::int64_t>(count, std::int64_t{canvas.Width()} - firstX);
  for (std::int64_t i = begin; i < end; ++i) {
    Run run = kNoRun;
    if (i > 0 && joined(i - 1)) run = EndColumnRun(rows[i - 1], rows[i]);
    if (i + 1 < count && joined(i)) run = Join(run, StartColumnRun(rows[i], rows[i + 1]));
    FillColumn(canvas, firstX + i, run, pixel);
  }
}

}  // namespace zv::cpumonitor
