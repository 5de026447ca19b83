// The navigation entries of the left column, selected (blue, with an arrow) and normal (grey).
#include "tools/artgen/nav.h"

#include <cmath>

#include "tools/artgen/paint.h"
#include "tools/artgen/scale.h"
#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

using namespace theme;

// The entry's outline at a scale, in the entry's own pixels.
struct NavLayout {
  Scale scale;
  int width = scale.Snap(kNavWidth);
  int height = scale.Snap(kNavHeight);
  int line = scale.Line(1);
  double left = scale.Snap(1);
  double top = scale.Snap(2);
  double bottom = height - scale.Snap(2);
  double mid = height / 2.0;
  double radius = scale(4);
  double body_right = scale.Snap(188);  // the arrow grows out of the body's right edge
  double arrow_base = scale(184);
  // The tip stops just short of the column's divider, wherever the layout puts the two.
  double arrow_tip = scale.Snap(kColumnRight) - scale.Place(kNavLeftTwips) - 0.5;
  double arrow_half = scale(8);
};

// The selected entry: a rounded body with an arrow pointing at the content, shrunk by `inset`.
Shape SelectedOutline(const NavLayout& l, double inset) {
  const Shape body =
      RoundRect({l.left + inset, l.top + inset, l.body_right - inset, l.bottom - inset}, l.radius - inset);
  // Moving each slanted side in by `inset` moves the tip in by inset / sin(half angle).
  const double length = l.arrow_tip - l.arrow_base;
  const double slant = std::hypot(length, l.arrow_half);
  const double tip = l.arrow_tip - inset * slant / l.arrow_half;
  const double half = l.arrow_half * (tip - l.arrow_base) / length;
  const Shape arrow = Polygon({{l.arrow_base, l.mid - half}, {tip, l.mid}, {l.arrow_base, l.mid + half}});
  return body | arrow;
}

void DrawSelectedBackground(Image& entry, const NavLayout& l) {
  // A drop edge one line deep; a blurred shadow would leak into the outer rows, which must stay column
  // colour.
  Shadow(entry, SelectedOutline(l, 0), {0, static_cast<double>(l.line)}, 0, Hex(0x0E3466, 0.22f));
  Fill(entry, SelectedOutline(l, 0), Hex(0x1C5FB3));
  Fill(entry, SelectedOutline(l, l.line), VerticalGradient(l.top, Hex(0x4FA0EE), l.bottom, Hex(0x2670CF)));
  const Shape gloss = SelectedOutline(l, l.line) & Rectangle({0, l.top, static_cast<double>(l.width), l.mid});
  Fill(entry, gloss, VerticalGradient(l.top, Hex(0xFFFFFF, 0.18f), l.mid, Hex(0xFFFFFF, 0.04f)));
}

void DrawNormalBackground(Image& entry, const NavLayout& l) {
  const Box outer{l.left, l.top, l.body_right, l.bottom};
  Fill(entry, RoundRect(outer, l.radius), Hex(0xD5DDE7));
  Fill(entry,
       RoundRect({outer.x0 + l.line, outer.y0 + l.line, outer.x1 - l.line, outer.y1 - l.line},
                 l.radius - l.line),
       VerticalGradient(l.top, Hex(0xFCFDFE), l.bottom, Hex(0xEBF0F6)));
}

}  // namespace

Image DrawNavEntry(const Image& skin, Scale scale, int top_twips, NavIcon icon, std::string_view word,
                   bool selected, const Typeface& font) {
  const NavLayout l{.scale = scale};
  Image entry = skin.Crop(scale.Place(kNavLeftTwips), scale.Place(top_twips), l.width, l.height);
  if (selected) {
    DrawSelectedBackground(entry, l);
  } else {
    DrawNormalBackground(entry, l);
  }
  const Rgba ink = selected ? kWhite : kIconGrey;
  const double icon_side = scale(18);
  Fill(entry, NavGlyph(icon, {scale(16), l.mid - icon_side / 2}, icon_side), ink);

  const TextStyle style{.pixel_size = 14, .embolden = selected ? 0.35 : 0.15, .tracking = 1.5};
  const InkRange ink_rows = font.Ink(word, scale.Text(style));
  const int baseline = static_cast<int>(l.mid) - (ink_rows.top + ink_rows.bottom) / 2;
  Fill(entry, font.Render(word, scale.Text(style), scale(46), baseline, l.width, l.height),
       Solid(selected ? kWhite : Hex(0x3C4858)));
  return entry;
}

}  // namespace zv::artgen
