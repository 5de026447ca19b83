// Vector shapes as inside-tests with bounds, combined freely and turned into coverage by supersampling.
#include "tools/artgen/shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zv::artgen {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

Box Grow(Box b, double by) { return {b.x0 - by, b.y0 - by, b.x1 + by, b.y1 + by}; }

Box Join(Box a, Box b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box Overlap(Box a, Box b) {
  return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Box BoundsOf(const std::vector<Vec>& points) {
  Box b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Vec& p : points) b = Join(b, {p.x, p.y, p.x, p.y});
  return b;
}

double DistanceToSegment(Vec p, Vec a, Vec b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

Vec Turn(Vec p, Vec pivot, double radians) {
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  const double x = p.x - pivot.x;
  const double y = p.y - pivot.y;
  return {pivot.x + x * c - y * s, pivot.y + x * s + y * c};
}

}  // namespace

Shape Rectangle(Box box) {
  return Shape(box,
               [box](double x, double y) { return x >= box.x0 && x < box.x1 && y >= box.y0 && y < box.y1; });
}

Shape RoundRect(Box box, double radius) {
  const double r = std::min({radius, (box.x1 - box.x0) / 2, (box.y1 - box.y0) / 2});
  return Shape(box, [box, r](double x, double y) {
    if (x < box.x0 || x >= box.x1 || y < box.y0 || y >= box.y1) return false;
    const double cx = std::clamp(x, box.x0 + r, box.x1 - r);
    const double cy = std::clamp(y, box.y0 + r, box.y1 - r);
    const double dx = x - cx;
    const double dy = y - cy;
    return dx * dx + dy * dy <= r * r;
  });
}

Shape Ellipse(Vec center, double rx, double ry) {
  return Shape({center.x - rx, center.y - ry, center.x + rx, center.y + ry},
               [center, rx, ry](double x, double y) {
                 const double dx = (x - center.x) / rx;
                 const double dy = (y - center.y) / ry;
                 return dx * dx + dy * dy <= 1.0;
               });
}

Shape Circle(Vec center, double radius) { return Ellipse(center, radius, radius); }

Shape Polygon(std::vector<Vec> points) {
  const Box bounds = BoundsOf(points);
  return Shape(bounds, [points = std::move(points)](double x, double y) {
    int winding = 0;
    for (size_t i = 0; i < points.size(); ++i) {
      const Vec& a = points[i];
      const Vec& b = points[(i + 1) % points.size()];
      const double side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
      if (a.y <= y && b.y > y && side > 0) ++winding;
      if (a.y > y && b.y <= y && side < 0) --winding;
    }
    return winding != 0;
  });
}

Shape Segment(Vec from, Vec to, double width) {
  const double half = width / 2;
  const Box bounds = Grow(BoundsOf({from, to}), half);
  return Shape(bounds, [from, to, half](double x, double y) {
    return DistanceToSegment({x, y}, from, to) <= half;
  });
}

Shape Arc(Vec center, double radius, double width, double from_degrees, double to_degrees) {
  const double half = width / 2;
  const double from = from_degrees * kDegree;
  const double sweep = (to_degrees - from_degrees) * kDegree;
  const Vec start{center.x + radius * std::cos(from), center.y + radius * std::sin(from)};
  const Vec end{center.x + radius * std::cos(from + sweep), center.y + radius * std::sin(from + sweep)};
  const Box bounds = Grow({center.x - radius, center.y - radius, center.x + radius, center.y + radius}, half);
  return Shape(bounds, [=](double x, double y) {
    const double dx = x - center.x;
    const double dy = y - center.y;
    if (std::abs(std::hypot(dx, dy) - radius) <= half) {
      const double turn = std::remainder(std::atan2(dy, dx) - from - sweep / 2, 2 * std::numbers::pi);
      if (std::abs(turn) <= std::abs(sweep) / 2) return true;
    }
    return std::hypot(x - start.x, y - start.y) <= half || std::hypot(x - end.x, y - end.y) <= half;
  });
}

Shape Star4(Vec center, double outer, double inner) {
  std::vector<Vec> points;
  for (int i = 0; i < 8; ++i) {
    const double angle = (i * 45.0 - 90.0) * kDegree;
    const double r = i % 2 == 0 ? outer : inner;
    points.push_back({center.x + r * std::cos(angle), center.y + r * std::sin(angle)});
  }
  return Polygon(std::move(points));
}

Shape operator|(Shape a, Shape b) {
  const Box bounds = Join(a.bounds(), b.bounds());
  return Shape(bounds, [a = std::move(a), b = std::move(b)](double x, double y) {
    return a.Contains(x, y) || b.Contains(x, y);
  });
}

Shape operator&(Shape a, Shape b) {
  const Box bounds = Overlap(a.bounds(), b.bounds());
  return Shape(bounds, [a = std::move(a), b = std::move(b)](double x, double y) {
    return a.Contains(x, y) && b.Contains(x, y);
  });
}

Shape operator-(Shape a, Shape b) {
  const Box bounds = a.bounds();
  return Shape(bounds, [a = std::move(a), b = std::move(b)](double x, double y) {
    return a.Contains(x, y) && !b.Contains(x, y);
  });
}

Shape Rotated(Shape shape, Vec pivot, double degrees) {
  const double radians = degrees * kDegree;
  const Box b = shape.bounds();
  const std::vector<Vec> corners = {Turn({b.x0, b.y0}, pivot, radians), Turn({b.x1, b.y0}, pivot, radians),
                                    Turn({b.x0, b.y1}, pivot, radians), Turn({b.x1, b.y1}, pivot, radians)};
  return Shape(BoundsOf(corners), [shape = std::move(shape), pivot, radians](double x, double y) {
    const Vec p = Turn({x, y}, pivot, -radians);
    return shape.Contains(p.x, p.y);
  });
}

Shape Translated(Shape shape, Vec by) {
  const Box b = shape.bounds();
  return Shape(
      {b.x0 + by.x, b.y0 + by.y, b.x1 + by.x, b.y1 + by.y},
      [shape = std::move(shape), by](double x, double y) { return shape.Contains(x - by.x, y - by.y); });
}

Shape Scaled(Shape shape, double factor) {
  if (factor == 1.0) return shape;
  const Box b = shape.bounds();
  return Shape({b.x0 * factor, b.y0 * factor, b.x1 * factor, b.y1 * factor},
               [shape = std::move(shape), factor](double x, double y) {
                 return shape.Contains(x / factor, y / factor);
               });
}

Mask Rasterize(const Shape& shape, int width, int height, int samples) {
  Mask mask(width, height);
  const Box b = shape.bounds();
  const int x0 = std::max(0, static_cast<int>(std::floor(b.x0)));
  const int y0 = std::max(0, static_cast<int>(std::floor(b.y0)));
  const int x1 = std::min(width, static_cast<int>(std::ceil(b.x1)) + 1);
  const int y1 = std::min(height, static_cast<int>(std::ceil(b.y1)) + 1);
  const double step = 1.0 / samples;
  const float per_sample = 1.0f / static_cast<float>(samples * samples);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      int inside = 0;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          if (shape.Contains(x + (sx + 0.5) * step, y + (sy + 0.5) * step)) ++inside;
        }
      }
      mask.At(x, y) = static_cast<float>(inside) * per_sample;
    }
  }
  return mask;
}

}  // namespace zv::artgen
