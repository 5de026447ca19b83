// Painting: solid colours and gradients laid through coverage masks, and soft shadows.
#include "tools/artgen/paint.h"

#include <algorithm>

namespace zv::artgen {
namespace {

// One horizontal and one vertical running-sum pass of a box (2 * radius + 1) wide, edges held.
Mask BoxBlur(const Mask& in, int radius) {
  Mask across(in.width, in.height);
  const float scale = 1.0f / static_cast<float>(2 * radius + 1);
  for (int y = 0; y < in.height; ++y) {
    for (int x = 0; x < in.width; ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += in.At(std::clamp(x + k, 0, in.width - 1), y);
      across.At(x, y) = sum * scale;
    }
  }
  Mask out(in.width, in.height);
  for (int y = 0; y < in.height; ++y) {
    for (int x = 0; x < in.width; ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += across.At(x, std::clamp(y + k, 0, in.height - 1));
      out.At(x, y) = sum * scale;
    }
  }
  return out;
}

}  // namespace

Paint Solid(Rgba color) {
  return [color](double, double) { return color; };
}

Paint VerticalGradient(double y0, Rgba top, double y1, Rgba bottom) {
  return [=](double, double y) { return Mix(top, bottom, (y - y0) / (y1 - y0)); };
}

Paint LinearGradient(Vec p0, Rgba c0, Vec p1, Rgba c1) {
  const double dx = p1.x - p0.x;
  const double dy = p1.y - p0.y;
  const double length2 = dx * dx + dy * dy;
  return [=](double x, double y) { return Mix(c0, c1, ((x - p0.x) * dx + (y - p0.y) * dy) / length2); };
}

void Fill(Image& image, const Mask& mask, const Paint& paint, float opacity) {
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      const float cover = mask.At(x, y);
      if (cover > 0) image.Blend(x, y, paint(x + 0.5, y + 0.5), cover * opacity);
    }
  }
}

void Fill(Image& image, const Shape& shape, const Paint& paint, float opacity) {
  Fill(image, Rasterize(shape, image.width(), image.height()), paint, opacity);
}

void Fill(Image& image, const Shape& shape, Rgba color) { Fill(image, shape, Solid(color)); }

Mask Blur(const Mask& mask, int radius) {
  if (radius <= 0) return mask;
  const int box = std::max(1, radius / 2);
  return BoxBlur(BoxBlur(BoxBlur(mask, box), box), box);
}

void Shadow(Image& image, const Shape& shape, Vec offset, int blur, Rgba color) {
  Fill(image, Blur(Rasterize(Translated(shape, offset), image.width(), image.height()), blur), Solid(color));
}

}  // namespace zv::artgen
