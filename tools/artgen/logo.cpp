// The product mark: a sweeping broom with sparkles, on its own or on the blue rounded tile.
#include "tools/artgen/logo.h"

#include <algorithm>
#include <cmath>

#include "tools/artgen/paint.h"
#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

// Maps the broom's unit square onto the image.
struct Frame {
  Vec origin;
  double side;
  Vec operator()(double u, double v) const { return {origin.x + u * side, origin.y + v * side}; }
  Vec operator()(Vec unit) const { return (*this)(unit.x, unit.y); }
  double Len(double units) const { return units * side; }
};

// The broom leans from the top right to the bottom left: along its axis and across it.
constexpr Vec kHandleTop{0.86, 0.08};
constexpr Vec kHandleEnd{0.55, 0.47};

Vec AxisPoint(double t, double across) {
  const double dx = kHandleEnd.x - kHandleTop.x;
  const double dy = kHandleEnd.y - kHandleTop.y;
  const double length = std::hypot(dx, dy);
  const Vec along{dx / length, dy / length};
  const Vec normal{along.y, -along.x};
  return {kHandleEnd.x + along.x * t + normal.x * across, kHandleEnd.y + along.y * t + normal.y * across};
}

// `widen` > 1 gives the chunkier head that small icons need to stay readable.
Shape BroomHead(const Frame& f, double widen) {
  const double top = 0.05;
  const double bottom = 0.39;
  std::vector<Vec> points = {f(AxisPoint(top, -0.095 * widen)), f(AxisPoint(top, 0.095 * widen))};
  // The bristle tips: a gently rounded edge, slightly ragged.
  constexpr int kTips = 9;
  for (int i = 0; i <= kTips; ++i) {
    const double k = static_cast<double>(i) / kTips;
    const double across = (0.215 - k * 0.43) * widen;
    const double t = bottom - 0.05 * (2 * k - 1) * (2 * k - 1) + (i % 2 == 0 ? 0.0 : -0.018);
    points.push_back(f(AxisPoint(t, across)));
  }
  return Polygon(std::move(points));
}

Shape BroomBand(const Frame& f) {
  return Polygon({f(AxisPoint(-0.015, -0.105)), f(AxisPoint(-0.015, 0.105)), f(AxisPoint(0.065, 0.11)),
                  f(AxisPoint(0.065, -0.11))});
}

void DrawBristleLines(Image& image, const Frame& f, const BroomLook& look, double width) {
  for (double across : {-0.12, -0.04, 0.04, 0.12}) {
    const Vec from = f(AxisPoint(0.10, across * 0.6));
    const Vec to = f(AxisPoint(0.34 - std::abs(across) * 0.25, across * 1.3));
    Fill(image, Segment(from, to, width), look.bristle_line);
  }
}

}  // namespace

void DrawBroom(Image& image, Vec origin, double side, const BroomLook& look) {
  const Frame f{origin, side};
  const bool full = side >= 40;
  const bool tiny = side < 24;
  const double stroke = std::max(f.Len(0.07), 1.7);

  // Motion of the sweep: two arcs just outside the bristle tips.
  const Vec centre = f(0.64, 0.40);
  if (!tiny) {
    Fill(image, Arc(centre, f.Len(0.53), std::max(f.Len(0.04), 1.3), 108, 152), look.swoosh);
    Fill(image, Arc(centre, f.Len(0.62), std::max(f.Len(0.035), 1.1), 116, 140),
         WithAlpha(look.swoosh, look.swoosh.a * 0.7f));
  }

  Fill(image, Segment(f(kHandleTop), f(kHandleEnd), stroke), look.handle);
  const Paint head =
      LinearGradient(f(AxisPoint(0.05, 0)), look.head_top, f(AxisPoint(0.38, 0)), look.head_bottom);
  Fill(image, BroomHead(f, tiny ? 1.25 : 1.0), head);
  if (!tiny) DrawBristleLines(image, f, look, std::max(f.Len(0.018), 0.8));
  Fill(image, BroomBand(f), look.band);

  // Sparkles where the broom has just passed.
  Fill(image, Star4(f(0.25, 0.27), f.Len(tiny ? 0.17 : 0.13), f.Len(tiny ? 0.05 : 0.035)), look.sparkle);
  if (!tiny) Fill(image, Star4(f(0.43, 0.12), f.Len(0.075), f.Len(0.022)), look.sparkle);
  if (full) Fill(image, Circle(f(0.13, 0.47), f.Len(0.028)), look.sparkle);
}

void DrawTile(Image& image, Vec origin, double side, TileColors colors, int rim) {
  const Box box{origin.x, origin.y, origin.x + side, origin.y + side};
  const double radius = side * 0.22;
  const Shape tile = RoundRect(box, radius);
  const Shape inner = RoundRect({box.x0 + rim, box.y0 + rim, box.x1 - rim, box.y1 - rim}, radius - rim);
  BroomLook look{.handle = theme::kWhite,
                 .band = Hex(0x1B4F93),
                 .head_top = theme::kGold,
                 .head_bottom = theme::kGoldDark,
                 .bristle_line = WithAlpha(theme::kBristle, 0.65f),
                 .sparkle = theme::kWhite,
                 .swoosh = Hex(0xFFFFFF, 0.75f)};
  if (colors == TileColors::kVga) {
    Fill(image, tile, Hex(0x000080));
    Fill(image, inner, Hex(0x0000FF));
    look = {.handle = Hex(0xFFFFFF),
            .band = Hex(0x000080),
            .head_top = Hex(0xFFFF00),
            .head_bottom = Hex(0xFFFF00),
            .bristle_line = Hex(0x808000),
            .sparkle = Hex(0xFFFFFF),
            .swoosh = Hex(0xC0C0C0)};
  } else {
    Fill(image, tile, VerticalGradient(box.y0, theme::kTileTop, box.y1, theme::kTileBottom));
    // A soft sheen over the upper half, and a darker rim that keeps the tile apart from light backgrounds.
    const Shape sheen =
        tile & Ellipse({origin.x + side * 0.5, origin.y - side * 0.15}, side * 0.85, side * 0.55);
    Fill(image, sheen,
         VerticalGradient(box.y0, Hex(0xFFFFFF, 0.22f), box.y0 + side * 0.4, Hex(0xFFFFFF, 0.04f)));
    if (side >= 24) Fill(image, tile - inner, Hex(0x123F7A, 0.55f));
  }
  // Small tiles give the broom more of their room.
  const double inset = side * (side < 24 ? 0.05 : 0.10);
  DrawBroom(image, {origin.x + inset, origin.y + inset}, side - 2 * inset, look);
}

Image TileImage(int side, TileColors colors) {
  Image image(side, side);
  DrawTile(image, {0, 0}, side, colors);
  return image;
}

}  // namespace zv::artgen
