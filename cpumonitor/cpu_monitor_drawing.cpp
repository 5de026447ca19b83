// The monitor's picture: background, the scrolling grid and up to five series, presented after each draw.
#include <array>
#include <utility>

#include "cpumonitor/cpu_monitor.h"
#include "cpumonitor/rounding.h"
#include "cpumonitor/strokes.h"

namespace zv::cpumonitor {

void CpuMonitor::DrawGraph() {
  Canvas& canvas = DrawingSurface();
  const Size inner = InnerSize();
  canvas.Clear(backColor_);
  surfaceBackColor_ = backColor_;
  if (settings_.displayGrid) DrawGrid(canvas, inner);
  // A designer sees the background and the grid only.
  if (Host().UserMode()) {
    levelHistory_.Plot(-1, inner.height);  // replots every slot when the height changed
    const std::array<std::pair<bool, Color>, kSeriesCount> series = {{
        {settings_.cpuMonitorDisplayed, settings_.cpuMonitorColor},
        {settings_.memoryLoadDisplayed, settings_.memoryLoadColor},
        {settings_.pageFileDisplayed, settings_.pageFileColor},
        {settings_.virtualMemoryDisplayed, settings_.virtualMemoryColor},
        {settings_.hdMonitorDisplayed, kDiskSeriesColor},
    }};
    for (int index = 0; index < kSeriesCount; ++index) {
      const auto& [shown, color] = series[static_cast<std::size_t>(index)];
      if (shown) DrawSeries(canvas, inner, index, color);
    }
  }
  Present();
}

// Vertical lines every eleventh of the width, horizontal ones every sixth of the height, and a frame.
// A step that rounds to 0 (a width below 7, a height below 5) leaves out the lines of that direction.
void CpuMonitor::DrawGrid(Canvas& canvas, Size inner) {
  const int width = inner.width;
  const int height = inner.height;
  const Color color = settings_.displayGridColor;

  const std::int64_t stepX = RoundToInt32((width - 1) / 11.0).value_or(0);
  const std::int64_t lastX = width - 1;
  if (stepX > 0) {
    std::int64_t x = settings_.scrollGrid ? gridOffset_ : 0;
    // Lines left of the surface draw nothing: start at the first one that can show.
    if (x < 0) x += (-x / stepX) * stepX;
    for (; x <= lastX; x += stepX) VerticalStroke(canvas, static_cast<int>(x), 0, height, color);
  }

  const std::int64_t stepY = RoundToInt32((height - 1) / 6.0).value_or(0);
  const std::int64_t lastY = height - 1;
  if (stepY > 0) {
    for (std::int64_t y = 0; y <= lastY; y += stepY) {
      HorizontalStroke(canvas, 0, width, static_cast<int>(y), color);
    }
  }

  canvas.FrameRect({0, 0, width, height}, color);
  // Every W - 1 ticks the lines jump back to where they stand at offset 0.
  if (gridOffset_ <= -(std::int64_t{width} - 1)) gridOffset_ = 0;
}

// One series from the oldest sample to the newest; slots outside the history are skipped.
void CpuMonitor::DrawSeries(Canvas& canvas, Size inner, int series, Color color) {
  const int width = inner.width;
  if (width - 1 < lastEmptyIndex_) return;
  const std::int64_t first = std::int64_t{lastEmptyIndex_} + 1;
  const std::int64_t last = std::int64_t{width} - 2;
  switch (settings_.diagramStyle) {
    case static_cast<std::int32_t>(DiagramStyle::kLines):
      // Slots first to last + 1: the segments' start and end rows.
      seriesRows_.resize(static_cast<std::size_t>(last - first + 2));
      levelHistory_.CopyRows(first, series, seriesRows_);
      LineDiagram(canvas, static_cast<int>(first), seriesRows_, kNoRow, color);
      break;
    case static_cast<std::int32_t>(DiagramStyle::kDots):
      // Each dot one column to the right of its own slot.
      for (std::int64_t x = first; x <= last; ++x) {
        const std::int32_t y = levelHistory_.Row(x, series);
        if (y != kNoRow) canvas.SetPixel(static_cast<int>(x + 1), y, color);
      }
      break;
    case static_cast<std::int32_t>(DiagramStyle::kBars):
      for (std::int64_t x = first; x <= last; ++x) {
        const std::int32_t y = levelHistory_.Row(x, series);
        if (y != kNoRow) VerticalStroke(canvas, static_cast<int>(x), y, inner.height, color);
      }
      break;
    default:
      break;
  }
}

}  // namespace zv::cpumonitor
