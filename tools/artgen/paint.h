// Painting: solid colours and gradients laid through coverage masks, and soft shadows.
#pragma once

#include <functional>

#include "tools/artgen/image.h"
#include "tools/artgen/shape.h"

namespace zv::artgen {

// The colour to lay at a point of the image.
using Paint = std::function<Rgba(double x, double y)>;

Paint Solid(Rgba color);
// From `top` at y0 to `bottom` at y1, held beyond both ends.
Paint VerticalGradient(double y0, Rgba top, double y1, Rgba bottom);
// Along the line from p0 (colour c0) to p1 (colour c1), held beyond both ends.
Paint LinearGradient(Vec p0, Rgba c0, Vec p1, Rgba c1);

void Fill(Image& image, const Mask& mask, const Paint& paint, float opacity = 1.0f);
void Fill(Image& image, const Shape& shape, const Paint& paint, float opacity = 1.0f);
void Fill(Image& image, const Shape& shape, Rgba color);

// A Gaussian-like blur (three box passes) of the given radius in pixels.
Mask Blur(const Mask& mask, int radius);
// A blurred, offset copy of the shape in the colour, under whatever is drawn next.
void Shadow(Image& image, const Shape& shape, Vec offset, int blur, Rgba color);

}  // namespace zv::artgen
