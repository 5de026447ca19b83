// Line icons of the navigation entries, as shapes in a square box.
#include "tools/artgen/glyphs.h"

#include <cmath>
#include <numbers>

namespace zv::artgen {
namespace {

// A gauge: an open dial with ticks and a needle towards the high end.
Shape Gauge(Vec o, double s) {
  const Vec hub{o.x + s * 0.5, o.y + s * 0.56};
  const double needle = 135.0 + 180.0 * 0.7;
  const double r = std::numbers::pi / 180.0;
  Shape dial = Arc(hub, s * 0.42, s * 0.13, 145, 395);
  Shape tip = Segment(hub, {hub.x + s * 0.30 * std::cos(needle * r), hub.y + s * 0.30 * std::sin(needle * r)},
                      s * 0.10);
  return dial | tip | Circle(hub, s * 0.13);
}

// A sheet with a folded corner and three lines of text.
Shape Document(Vec o, double s) {
  const double l = o.x + s * 0.17, t = o.y + s * 0.05, rgt = o.x + s * 0.83, b = o.y + s * 0.95;
  const double w = s * 0.10;
  const double fold = s * 0.24;
  Shape outer = Polygon({{l, t}, {rgt - fold, t}, {rgt, t + fold}, {rgt, b}, {l, b}});
  Shape inner = Polygon({{l + w, t + w},
                         {rgt - fold - w * 0.4, t + w},
                         {rgt - w, t + fold + w * 0.4},
                         {rgt - w, b - w},
                         {l + w, b - w}});
  Shape sheet = (outer - inner) | Polygon({{rgt - fold, t}, {rgt - fold, t + fold}, {rgt, t + fold}});
  for (int i = 0; i < 3; ++i) {
    const double y = o.y + s * (0.42 + 0.17 * i);
    const double end = i == 2 ? 0.52 : 0.66;
    sheet = sheet | Segment({o.x + s * 0.34, y}, {o.x + s * end, y}, s * 0.09);
  }
  return sheet;
}

// A gear with eight teeth around a hole.
Shape Gear(Vec o, double s) {
  const Vec c{o.x + s * 0.5, o.y + s * 0.5};
  Shape gear = Circle(c, s * 0.34);
  const Shape tooth = RoundRect({c.x - s * 0.09, c.y - s * 0.49, c.x + s * 0.09, c.y - s * 0.25}, s * 0.03);
  for (int i = 0; i < 8; ++i) gear = gear | Rotated(tooth, c, i * 45.0);
  return gear - Circle(c, s * 0.15);
}

// A disc with the letter i cut out of it.
Shape Info(Vec o, double s) {
  const Vec c{o.x + s * 0.5, o.y + s * 0.5};
  const Shape letter =
      Circle({c.x, c.y - s * 0.22}, s * 0.075) |
      RoundRect({c.x - s * 0.065, c.y - s * 0.08, c.x + s * 0.065, c.y + s * 0.30}, s * 0.03);
  return Circle(c, s * 0.47) - letter;
}

}  // namespace

Shape NavGlyph(NavIcon icon, Vec origin, double side) {
  switch (icon) {
    case NavIcon::kStatus:
      return Gauge(origin, side);
    case NavIcon::kRecords:
      return Document(origin, side);
    case NavIcon::kSettings:
      return Gear(origin, side);
    case NavIcon::kAbout:
      return Info(origin, side);
  }
  return Circle(origin, 0);
}

}  // namespace zv::artgen
