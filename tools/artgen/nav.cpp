// The navigation entries of the left column, selected (blue, with an arrow) and normal (grey).
#include "tools/artgen/nav.h"

#include <cmath>

#include "tools/artgen/paint.h"
#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

using namespace theme;

constexpr double kTop = 2;
constexpr double kBottom = kNavHeight - 2;
constexpr double kMid = kNavHeight / 2.0;
constexpr double kBodyRight = 188;  // the arrow grows out of the body's right edge
constexpr double kArrowBase = 184;
constexpr double kArrowTip = kNavWidth - 0.5;
constexpr double kArrowHalf = 8;
constexpr double kIconX = 16;
constexpr double kIconSide = 18;
constexpr double kWordX = 46;

// The selected entry: a rounded body with an arrow pointing at the content, shrunk by `inset`.
Shape SelectedOutline(double inset) {
  const Shape body = RoundRect({1 + inset, kTop + inset, kBodyRight - inset, kBottom - inset}, 4 - inset);
  // Moving each slanted side in by `inset` moves the tip in by inset / sin(half angle).
  const double length = kArrowTip - kArrowBase;
  const double slant = std::hypot(length, kArrowHalf);
  const double tip = kArrowTip - inset * slant / kArrowHalf;
  const double half = kArrowHalf * (tip - kArrowBase) / length;
  const Shape arrow = Polygon({{kArrowBase, kMid - half}, {tip, kMid}, {kArrowBase, kMid + half}});
  return body | arrow;
}

void DrawSelectedBackground(Image& entry) {
  // A one-pixel drop edge; a blurred shadow would leak into the outer rows, which must stay column colour.
  Shadow(entry, SelectedOutline(0), {0, 1}, 0, Hex(0x0E3466, 0.22f));
  Fill(entry, SelectedOutline(0), Hex(0x1C5FB3));
  Fill(entry, SelectedOutline(1), VerticalGradient(kTop, Hex(0x4FA0EE), kBottom, Hex(0x2670CF)));
  const Shape gloss = SelectedOutline(1) & Rectangle({0, kTop, kNavWidth, kMid});
  Fill(entry, gloss, VerticalGradient(kTop, Hex(0xFFFFFF, 0.18f), kMid, Hex(0xFFFFFF, 0.04f)));
}

void DrawNormalBackground(Image& entry) {
  const Box outer{1, kTop, kBodyRight, kBottom};
  Fill(entry, RoundRect(outer, 4), Hex(0xD5DDE7));
  Fill(entry, RoundRect({outer.x0 + 1, outer.y0 + 1, outer.x1 - 1, outer.y1 - 1}, 3),
       VerticalGradient(kTop, Hex(0xFCFDFE), kBottom, Hex(0xEBF0F6)));
}

}  // namespace

Image DrawNavEntry(const Image& skin, int y, NavIcon icon, std::string_view word, bool selected,
                   const Typeface& font) {
  Image entry = skin.Crop(kNavX, y, kNavWidth, kNavHeight);
  if (selected) {
    DrawSelectedBackground(entry);
  } else {
    DrawNormalBackground(entry);
  }
  const Rgba ink = selected ? kWhite : kIconGrey;
  Fill(entry, NavGlyph(icon, {kIconX, kMid - kIconSide / 2}, kIconSide), ink);

  const TextStyle style{.pixel_size = 14, .embolden = selected ? 0.35 : 0.15, .tracking = 1.5};
  const InkRange ink_rows = font.Ink(word, style);
  const int baseline = static_cast<int>(kMid) - (ink_rows.top + ink_rows.bottom) / 2;
  Fill(entry, font.Render(word, style, kWordX, baseline, kNavWidth, kNavHeight),
       Solid(selected ? kWhite : Hex(0x3C4858)));
  return entry;
}

}  // namespace zv::artgen
