// The monitor's strokes must set exactly the pixels the canvas's Line sets for the same end points.
#include <gtest/gtest.h>

#include <functional>

#include "cpumonitor/strokes.h"

namespace zv::cpumonitor {
namespace {

constexpr Color kInk = 0x0000FF;

// Draws with `stroke` and with `line` on two small canvases and compares every pixel.
void ExpectSamePixels(const std::function<void(Canvas&)>& stroke, const std::function<void(Canvas&)>& line,
                      const std::string& what) {
  OwnedCanvas actual(6, 12, nullptr);
  OwnedCanvas expected(6, 12, nullptr);
  actual.canvas().Clear(0xFFFFFF);
  expected.canvas().Clear(0xFFFFFF);
  stroke(actual.canvas());
  line(expected.canvas());
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 6; ++x) {
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

}  // namespace
}  // namespace zv::cpumonitor
