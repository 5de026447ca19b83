// Vector shapes as inside-tests with bounds, combined freely and turned into coverage by supersampling.
#pragma once

#include <functional>
#include <vector>

#include "tools/artgen/image.h"

namespace zv::artgen {

struct Vec {
  double x = 0;
  double y = 0;
};

// Axis-aligned bounds in pixel coordinates; pixel (i, j) spans [i, i + 1) x [j, j + 1).
struct Box {
  double x0 = 0;
  double y0 = 0;
  double x1 = 0;
  double y1 = 0;
};

class Shape {
 public:
  Shape(Box bounds, std::function<bool(double, double)> inside)
      : bounds_(bounds), inside_(std::move(inside)) {}

  const Box& bounds() const { return bounds_; }
  bool Contains(double x, double y) const { return inside_(x, y); }

 private:
  Box bounds_;
  std::function<bool(double, double)> inside_;
};

Shape Rectangle(Box box);
Shape RoundRect(Box box, double radius);
Shape Ellipse(Vec center, double rx, double ry);
Shape Circle(Vec center, double radius);
// Filled with the non-zero winding rule.
Shape Polygon(std::vector<Vec> points);
// A stroke of the given width between two points, with round caps.
Shape Segment(Vec from, Vec to, double width);
// A stroke along a circle from one angle to another (degrees, clockwise from the x axis, y down),
// with round caps.
Shape Arc(Vec center, double radius, double width, double from_degrees, double to_degrees);
// A sparkle: four pointed rays around the centre.
Shape Star4(Vec center, double outer, double inner);

Shape operator|(Shape a, Shape b);  // union
Shape operator&(Shape a, Shape b);  // intersection
Shape operator-(Shape a, Shape b);  // a without b
// Turned by the angle (degrees, clockwise on screen) around the pivot.
Shape Rotated(Shape shape, Vec pivot, double degrees);
Shape Translated(Shape shape, Vec by);
// Grown by the factor about the origin.
Shape Scaled(Shape shape, double factor);

// Coverage of the shape in a width x height mask, from samples x samples points per pixel.
Mask Rasterize(const Shape& shape, int width, int height, int samples = 6);

}  // namespace zv::artgen
