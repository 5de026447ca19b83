// Floating-point RGBA images and coverage masks: the artwork is drawn in these, then rounded once.
#include "tools/artgen/image.h"

#include <algorithm>
#include <cmath>

namespace zv::artgen {

Rgba Mix(Rgba from, Rgba to, double t) {
  const float k = static_cast<float>(std::clamp(t, 0.0, 1.0));
  return {from.r + (to.r - from.r) * k, from.g + (to.g - from.g) * k, from.b + (to.b - from.b) * k,
          from.a + (to.a - from.a) * k};
}

Rgba WithAlpha(Rgba c, float alpha) { return {c.r, c.g, c.b, alpha}; }

std::uint8_t ToByte(float v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

Image::Image(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

Rgba Image::At(int x, int y) const {
  const Pixel& p = PixelAt(x, y);
  if (p.a <= 0) return {};
  return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Image::Blend(int x, int y, Rgba color, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const float a = std::clamp(color.a * coverage, 0.0f, 1.0f);
  if (a <= 0) return;
  Pixel& p = PixelAt(x, y);
  const float keep = 1.0f - a;
  p.r = color.r * a + p.r * keep;
  p.g = color.g * a + p.g * keep;
  p.b = color.b * a + p.b * keep;
  p.a = a + p.a * keep;
}

void Image::Draw(const Image& source, int x, int y) {
  for (int sy = 0; sy < source.height_; ++sy) {
    for (int sx = 0; sx < source.width_; ++sx) {
      const int dx = x + sx;
      const int dy = y + sy;
      if (dx < 0 || dy < 0 || dx >= width_ || dy >= height_) continue;
      const Pixel& s = source.PixelAt(sx, sy);
      Pixel& d = PixelAt(dx, dy);
      const float keep = 1.0f - s.a;
      d = {s.r + d.r * keep, s.g + d.g * keep, s.b + d.b * keep, s.a + d.a * keep};
    }
  }
}

Image Image::Crop(int x, int y, int width, int height) const {
  Image out(width, height);
  for (int cy = 0; cy < height; ++cy) {
    for (int cx = 0; cx < width; ++cx) {
      if (x + cx >= 0 && y + cy >= 0 && x + cx < width_ && y + cy < height_) {
        out.PixelAt(cx, cy) = PixelAt(x + cx, y + cy);
      }
    }
  }
  return out;
}

Picture Image::ToPicture(Rgba backdrop) const {
  Picture out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const Pixel& p = PixelAt(x, y);
      const float keep = 1.0f - p.a;
      out.Set(x, y,
              Rgb(ToByte(p.r + backdrop.r * keep), ToByte(p.g + backdrop.g * keep),
                  ToByte(p.b + backdrop.b * keep)));
    }
  }
  return out;
}

}  // namespace zv::artgen
