// The few line shapes the monitor draws, as runs of pixels: the same pixels as the canvas's Line
// (end point excluded, halves toward the smaller coordinate) at a fraction of its per-pixel cost.
#pragma once

#include <cstdint>
#include <span>

#include "platform/canvas.h"

namespace zv::cpumonitor {

// Line (x, y1)-(x, y2): a vertical run from y1 towards y2, y2 not drawn.
void VerticalStroke(Canvas& canvas, int x, int y1, int y2, Color color);
// Line (x1, y)-(x2, y) with x1 <= x2: a horizontal run, x2 not drawn.
void HorizontalStroke(Canvas& canvas, int x1, int x2, int y, Color color);
// Line (x, y1)-(x + 1, y2): one segment of a line diagram, one column wide.
void SegmentStroke(Canvas& canvas, int x, int y1, int y2, Color color);

// A line diagram: Line (firstX + i, rows[i])-(firstX + i + 1, rows[i + 1]) for every i whose two rows
// are not `noRow`. Drawn a column at a time, as one run per column.
void LineDiagram(Canvas& canvas, int firstX, std::span<const std::int32_t> rows, std::int32_t noRow,
                 Color color);

}  // namespace zv::cpumonitor
