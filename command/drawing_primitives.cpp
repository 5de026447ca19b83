// The button's drawing primitives: GDI-like rectangles, lines and pixels on the canvas, the
// rounded border, the focus mark, the fade toward white and the colour arithmetic.
#include "command/drawing_primitives.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace zv::command {

Channels ChannelsOf(Color c) {
  const auto value = static_cast<std::int32_t>(c);
  return {value & 255, (value / 256) % 256, (value / 65536) % 256};
}

int Nearest(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLimit = std::numeric_limits<int>::max();
  if (value >= kLimit) return std::numeric_limits<int>::max();
  if (value <= -kLimit) return -std::numeric_limits<int>::max();
  const double floor = std::floor(value);
  const double fraction = value - floor;
  auto whole = static_cast<int>(floor);
  if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ++whole;
  return whole;
}

void DrawRect(Canvas& canvas, int x, int y, int w, int h, Color color, bool frameOnly) {
  const Rect rect{x, y, x + w, y + h};
  if (frameOnly) {
    canvas.FrameRect(rect, color);
  } else {
    canvas.FillRect(rect, color);
  }
}

void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2, Color color) {
  // The button draws only horizontal and vertical lines: those are one-pixel fills of the same
  // pixels, without the general line's per-pixel stepping.
  if (y1 == y2 && x1 != x2) {
    canvas.FillRect(x2 > x1 ? Rect{x1, y1, x2, y1 + 1} : Rect{x2 + 1, y1, x1 + 1, y1 + 1}, color);
  } else if (x1 == x2 && y1 != y2) {
    canvas.FillRect(y2 > y1 ? Rect{x1, y1, x1 + 1, y2} : Rect{x1, y2 + 1, x1 + 1, y1 + 1}, color);
  } else {
    canvas.Line(x1, y1, x2, y2, color);
  }
}

void SetPixelColor(Canvas& canvas, int x, int y, Color color) { canvas.SetPixel(x, y, color); }

void DrawRoundBorder(Canvas& canvas, Color c1, Color c2) {
  const int w = canvas.Width();
  const int h = canvas.Height();
  DrawLine(canvas, 2, 0, w - 2, 0, c1);
  DrawLine(canvas, 2, h - 1, w - 2, h - 1, c1);
  DrawLine(canvas, 0, 2, 0, h - 2, c1);
  DrawLine(canvas, w - 1, 2, w - 1, h - 2, c1);
  SetPixelColor(canvas, 1, 1, c2);
  SetPixelColor(canvas, 1, h - 2, c2);
  SetPixelColor(canvas, w - 2, 1, c2);
  SetPixelColor(canvas, w - 2, h - 2, c2);
}

void DrawFocus(Canvas& canvas, Rect focusRect) { canvas.DrawFocusRect(focusRect); }

void FadeToWhite(Canvas& canvas, int r0, int g0, int b0, int from, int to, int step) {
  using Counter = std::int16_t;
  constexpr int kMin = std::numeric_limits<Counter>::min();
  constexpr int kMax = std::numeric_limits<Counter>::max();
  if (step == 0 || from < kMin || from > kMax) return;

  const int w = canvas.Width();
  const int rows = canvas.Height() - 5;
  // H = 5 has no increment: the rows keep the base colour rather than dividing by zero.
  const double dr = rows == 0 ? 0.0 : (255.0 - r0) / rows;
  const double dg = rows == 0 ? 0.0 : (255.0 - g0) / rows;
  const double db = rows == 0 ? 0.0 : (255.0 - b0) / rows;
  auto advance = [](float value, double delta) {
    const auto next = static_cast<float>(value + delta);
    return next > 255.0f ? 255.0f : next;
  };

  float r = static_cast<float>(r0);
  float g = static_cast<float>(g0);
  float b = static_cast<float>(b0);
  for (int i = from; step > 0 ? i <= to : i >= to; i += step) {
    r = advance(r, dr);
    g = advance(g, dg);
    b = advance(b, db);
    DrawLine(canvas, 1, i, w - 1, i, Rgb(Nearest(r), Nearest(g), Nearest(b)));
    // The next counter value must fit the 16-bit counter.
    if (i + step < kMin || i + step > kMax) return;
  }
}

Color ShiftColor(Color c, int amount, bool scaleBlue) {
  const Channels ch = ChannelsOf(c);
  const int blueShift = scaleBlue ? static_cast<int>(std::int64_t{ch.b} * amount / 192) : amount;
  return Rgb(ch.r + amount, ch.g + amount, ch.b + blueShift);
}

Color AddColorClamped(Color c, int dR, int dG, int dB, Color ceiling) {
  const Channels ch = ChannelsOf(c);
  const Channels top = ChannelsOf(ceiling);
  auto clamp = [](int v, int high) { return v < 0 ? 0 : (v > high ? high : v); };
  return Rgb(clamp(ch.r + dR, top.r), clamp(ch.g + dG, top.g), clamp(ch.b + dB, top.b));
}

bool HasCutCorners(int buttonType) {
  return buttonType == 3 || buttonType == 4 || buttonType == 8 || buttonType == 9;
}

std::vector<Rect> BuildRegion(int buttonType, int w, int h) {
  if (!HasCutCorners(buttonType)) return {};
  return {
      {0, 0, 2, 1}, {0, h - 1, 2, h},     {w - 2, 0, w, 1}, {w - 2, h - 1, w, h},
      {0, 1, 1, 2}, {0, h - 2, 1, h - 1}, {w - 1, 1, w, 2}, {w - 1, h - 2, w, h - 1},
  };
}

}  // namespace zv::command
