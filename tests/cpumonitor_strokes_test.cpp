// The monitor's strokes must set exactly the pixels the canvas's Line sets for the same end points.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "cpumonitor/strokes.h"

namespace zv::cpumonitor {
namespace {

constexpr Color kInk = 0x0000FF;

constexpr std::int32_t kNoRow = -7;

// Draws with `stroke` and with `line` on two canvases, small unless told otherwise, and compares every pixel.
void ExpectSamePixels(const std::function<void(Canvas&)>& stroke, const std::function<void(Canvas&)>& line,
                      const std::string& what, int width = 6, int height = 12) {
  OwnedCanvas actual(width, height, nullptr);
  OwnedCanvas expected(width, height, nullptr);
  actual.canvas().Clear(0xFFFFFF);
  expected.canvas().Clear(0xFFFFFF);
  stroke(actual.canvas());
  line(expected.canvas());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      ASSERT_EQ(actual.canvas().GetPixel(x, y), expected.canvas().GetPixel(x, y))
          << what << " at " << x << "," << y;
    }
  }
}

// Every start and end row from above the canvas to below it, in columns on and off its edges.
TEST(CpuMonitorStrokes, SegmentsMatchTheCanvasLine) {
  for (int x : {-2, -1, 0, 2, 4, 5, 6}) {
    for (int y1 = -4; y1 <= 16; ++y1) {
      for (int y2 = -4; y2 <= 16; ++y2) {
        ExpectSamePixels(
            [&](Canvas& c) { SegmentStroke(c, x, y1, y2, kInk); },
            [&](Canvas& c) { c.Line(x, y1, x + 1, y2, kInk); },
            "segment x " + std::to_string(x) + " " + std::to_string(y1) + "-" + std::to_string(y2));
      }
    }
  }
}

TEST(CpuMonitorStrokes, VerticalAndHorizontalRunsMatchTheCanvasLine) {
  const int far[] = {-2000000000, -13, -1, 0, 1, 5, 11, 12, 13, 2000000000};
  for (int x : {-1, 0, 3, 5, 6}) {
    for (int y1 : far) {
      for (int y2 : far) {
        ExpectSamePixels(
            [&](Canvas& c) { VerticalStroke(c, x, y1, y2, kInk); },
            [&](Canvas& c) { c.Line(x, y1, x, y2, kInk); },
            "vertical x " + std::to_string(x) + " " + std::to_string(y1) + "-" + std::to_string(y2));
      }
    }
  }
  for (int y : {-1, 0, 7, 11, 12}) {
    for (int x1 = -3; x1 <= 8; ++x1) {
      for (int x2 = x1; x2 <= 8; ++x2) {
        ExpectSamePixels(
            [&](Canvas& c) { HorizontalStroke(c, x1, x2, y, kInk); },
            [&](Canvas& c) { c.Line(x1, y, x2, y, kInk); },
            "horizontal y " + std::to_string(y) + " " + std::to_string(x1) + "-" + std::to_string(x2));
      }
    }
  }
}

// The line diagram as the canvas draws it: one Line per pair of neighbouring rows that both have a row.
void LinesOfDiagram(Canvas& canvas, int firstX, const std::vector<std::int32_t>& rows) {
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    if (rows[i] == kNoRow || rows[i + 1] == kNoRow) continue;
    const int x = firstX + static_cast<int>(i);
    canvas.Line(x, rows[i], x + 1, rows[i + 1], kInk);
  }
}

void ExpectDiagramMatchesLines(int firstX, const std::vector<std::int32_t>& rows, int width, int height) {
  std::string what = "diagram from x " + std::to_string(firstX) + ", rows";
  for (std::int32_t row : rows) {
    what += ' ';
    what += row == kNoRow ? "none" : std::to_string(row);
  }
  ExpectSamePixels([&](Canvas& c) { LineDiagram(c, firstX, rows, kNoRow, kInk); },
                   [&](Canvas& c) { LinesOfDiagram(c, firstX, rows); }, what, width, height);
}

// A column takes the end of one segment and the start of the next: every three neighbouring rows, from
// above the canvas to below it or missing, with the diagram starting off, on and at the edges.
TEST(CpuMonitorStrokes, DiagramColumnsMatchTheCanvasLines) {
  std::vector<std::int32_t> levels = {kNoRow};
  for (std::int32_t row = -4; row <= 16; ++row) levels.push_back(row);
  for (int firstX : {-2, -1, 0, 3, 4}) {
    for (std::int32_t before : levels) {
      for (std::int32_t at : levels) {
        for (std::int32_t after : levels) ExpectDiagramMatchesLines(firstX, {before, at, after}, 6, 12);
      }
    }
  }
}

// Rows far beyond the canvas are clipped without overflow, however far apart neighbours are.
TEST(CpuMonitorStrokes, DiagramRowsFarOffTheCanvasMatchTheCanvasLines) {
  const std::int32_t far[] = {INT32_MIN + 1, -2000000000, -13, -1, 0, 5, 11, 12, 13, 2000000000, INT32_MAX};
  for (std::int32_t before : far) {
    for (std::int32_t at : far) {
      for (std::int32_t after : far) ExpectDiagramMatchesLines(1, {before, at, after, before}, 6, 12);
    }
  }
}

// The status page's canvas with loads wandering, jumping across the whole height every sample, and
// now and then missing; a fixed seed keeps every run the same.
TEST(CpuMonitorStrokes, LongDiagramsMatchTheCanvasLines) {
  std::mt19937 random(20261210);
  const struct {
    const char* name;
    std::int32_t low, high;
    int missingOneIn;
  } kinds[] = {{"wandering", 14, 30, 0}, {"jumping", -2, 43, 0}, {"with gaps", -2, 43, 9}};
  for (const auto& kind : kinds) {
    for (int firstX : {-5, 0, 1, 200, 410}) {
      std::uniform_int_distribution<std::int32_t> level(kind.low, kind.high);
      std::vector<std::int32_t> rows(411);
      for (std::int32_t& row : rows) {
        const bool missing = kind.missingOneIn > 0 && random() % kind.missingOneIn == 0;
        row = missing ? kNoRow : level(random);
      }
      SCOPED_TRACE(kind.name);
      ExpectDiagramMatchesLines(firstX, rows, 411, 41);
    }
  }
}

}  // namespace
}  // namespace zv::cpumonitor
