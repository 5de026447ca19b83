// Gradient faces: single-precision accumulation in the two-tone face, whole-number steps in the
// glossy face, both clamped to 0..255 per channel after each step.
#include "command/gradient_faces.h"

#include "command/drawing_primitives.h"

namespace zv::command {
namespace {

// The band height k = H × P / 100: an integer product divided in double precision.
double BandHeight(int height, int percent) { return static_cast<double>(height * percent) / 100.0; }

// (to - from) / divisor, or 0 where the divisor is zero: such a run stays in its first colour.
double Slope(int from, int to, double divisor) { return divisor == 0.0 ? 0.0 : (to - from) / divisor; }

float ClampChannel(float v) {
  if (v > 255.0f) return 255.0f;
  return v < 0.0f ? 0.0f : v;
}

int ClampChannel(int v) {
  if (v > 255) return 255;
  return v < 0 ? 0 : v;
}

// Colour channels accumulated in single precision, one step per row.
struct FloatRun {
  float r, g, b;
  float sr, sg, sb;

  FloatRun(Channels from, Channels to, double divisor)
      : r(static_cast<float>(from.r)),
        g(static_cast<float>(from.g)),
        b(static_cast<float>(from.b)),
        sr(static_cast<float>(Slope(from.r, to.r, divisor))),
        sg(static_cast<float>(Slope(from.g, to.g, divisor))),
        sb(static_cast<float>(Slope(from.b, to.b, divisor))) {}
  Color Current() const { return Rgb(Nearest(r), Nearest(g), Nearest(b)); }
  void Step() {
    r = ClampChannel(static_cast<float>(r + sr));
    g = ClampChannel(static_cast<float>(g + sg));
    b = ClampChannel(static_cast<float>(b + sb));
  }
};

// Colour channels stepped by whole numbers, one step per row.
struct IntRun {
  int r, g, b;
  int sr, sg, sb;

  IntRun(Channels from, int lift, Channels to, double divisor)
      : r(from.r + lift),
        g(from.g + lift),
        b(from.b + lift),
        sr(Nearest(Slope(from.r, to.r, divisor))),
        sg(Nearest(Slope(from.g, to.g, divisor))),
        sb(Nearest(Slope(from.b, to.b, divisor))) {}
  Color Current() const { return Rgb(r, g, b); }
  void Step() {
    r = ClampChannel(r + sr);
    g = ClampChannel(g + sg);
    b = ClampChannel(b + sb);
  }
};

// One highlight row on row y from x = 2: white fading toward the end colour, reached after
// `divisor` pixels, then darker still. Left out when the divisor is zero.
void HighlightRow(Canvas& canvas, int y, int lastIndex, int divisor, Channels end) {
  if (divisor == 0) return;
  auto fade = [&](int e, int i) {
    const int v = 255 - (255 - e) * i / divisor;
    return v < 0 ? 0 : v;
  };
  for (int i = 0; i <= lastIndex; ++i) {
    SetPixelColor(canvas, i + 2, y, Rgb(fade(end.r, i), fade(end.g, i), fade(end.b, i)));
  }
}

}  // namespace

void DrawTwoToneFace(Canvas& canvas, Color mid, Color border, Color end, int percent, bool flat) {
  const int w = canvas.Width();
  const int h = canvas.Height();
  if (flat) {
    DrawRect(canvas, 1, 1, w - 2, h - 2, mid, false);
    DrawRoundBorder(canvas, border, border);
    return;
  }
  const Channels m = ChannelsOf(mid);
  const Channels e = ChannelsOf(end);
  const double k = BandHeight(h, percent);

  FloatRun upper(m, e, k - 1);
  for (int y = Nearest(k); y >= 1; --y) {
    DrawLine(canvas, 1, y, w - 1, y, upper.Current());
    upper.Step();
  }

  HighlightRow(canvas, 1, w - 4, w - 10, e);
  HighlightRow(canvas, 2, w - w / 3 - 2, w - 2 * w / 3 - 2, e);

  FloatRun lower(m, e, h - k - 4);
  DrawLine(canvas, 1, Nearest(k + 1), w - 1, Nearest(k + 1), mid);
  DrawLine(canvas, 1, Nearest(k + 2), w - 1, Nearest(k + 2), mid);
  for (int y = Nearest(k + 3); y <= h - 4; ++y) {
    DrawLine(canvas, 1, y, w - 1, y, lower.Current());
    lower.Step();
  }
  if (h < 10) return;

  // The bottom rows repeat the colour the lower run left on row H - 10.
  Color px = canvas.GetPixel(2, h - 10);
  if (static_cast<std::int32_t>(px) < 0) px = 0;
  DrawLine(canvas, 1, h - 9, w - 1, h - 9, px);
  DrawLine(canvas, 1, h - 8, w - 1, h - 8, px);
  DrawLine(canvas, 1, Nearest(k + 5), w - 1, Nearest(k + 5), mid);
  DrawLine(canvas, 1, h - 3, w - 2, h - 3, px);
  DrawLine(canvas, 1, h - 2, w - 2, h - 2, px);
  DrawRoundBorder(canvas, border, border);
}

void DrawGlossyFace(Canvas& canvas, Color mid, Color border, Color end, int percent) {
  const int w = canvas.Width();
  const int h = canvas.Height();
  const Channels m = ChannelsOf(mid);
  const Channels e = ChannelsOf(end);
  const double k = BandHeight(h, percent);

  IntRun upper(m, 10, e, k - 1);
  for (int y = Nearest(k); y >= 3; --y) {
    DrawLine(canvas, 1, y, w - 1, y, upper.Current());
    upper.Step();
  }
  for (int y = Nearest(k + 1), last = Nearest(k + 0.27 * h); y <= last; ++y) {
    DrawLine(canvas, 1, y, w - 1, y, mid);
  }
  IntRun lower(m, 5, e, h - k - 4);
  for (int y = Nearest((percent + 27) * h / 100.0); y <= h - 4; ++y) {
    DrawLine(canvas, 1, y, w - 1, y, lower.Current());
    lower.Step();
  }

  DrawRect(canvas, 1, 1, w - 2, h - 2, Rgb(211, 229, 255), true);
  DrawRect(canvas, 2, 2, w - 4, h - 4, Rgb(201, 216, 255), true);
  DrawLine(canvas, 1, h - 3, w - 1, h - 3, Rgb(207, 234, 255));
  DrawRoundBorder(canvas, border, border);
}

}  // namespace zv::command
