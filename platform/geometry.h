// Pixel geometry and the twip unit of window definitions (15 twips per pixel at 96 dpi).
#pragma once

#include <cmath>

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

constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, to the nearest pixel (a design position of 70 twips is 5 pixels).
inline int TwipsToPixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace zv
