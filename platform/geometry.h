// Pixel geometry and the twip unit of window definitions: 1440 twips an inch, so 15 twips a pixel at 96 dpi
// and 10 at 144 dpi.
#pragma once

namespace zv {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive, as in the platform's RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

constexpr int kTwipsPerInch = 1440;
constexpr int kStandardDpi = 96;
constexpr int kTwipsPerPixel = kTwipsPerInch / kStandardDpi;

// Rounds numerator / denominator (denominator > 0) to the nearest whole number, halves away from zero.
constexpr int RoundedQuotient(long long numerator, long long denominator) {
  const long long half = denominator / 2;
  return static_cast<int>(numerator >= 0 ? (numerator + half) / denominator
                                         : (numerator - half) / denominator);
}

// Twips to whole pixels at `dpi`, to the nearest pixel, halves away from zero: 70 twips are 5 pixels at 96
// dpi, 8355 twips are 835.5 and so 836 pixels at 144 dpi. Positions and sizes are rounded each on its own.
constexpr int TwipsToPixels(int twips, int dpi = kStandardDpi) {
  return RoundedQuotient(static_cast<long long>(twips) * dpi, kTwipsPerInch);
}
// Pixels at `dpi` to twips, rounded the same way; exact at 96 dpi.
constexpr int PixelsToTwips(int pixels, int dpi = kStandardDpi) {
  return RoundedQuotient(static_cast<long long>(pixels) * kTwipsPerInch, dpi);
}

}  // namespace zv
