// Small pieces of the windows: the minimise and close buttons, section headers, the mini window's bar.
#include "tools/artgen/chrome.h"

#include "tools/artgen/logo.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/scale.h"
#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

using namespace theme;

struct ButtonLook {
  Rgba face;    // alpha 0 for none
  Rgba border;  // alpha 0 for none
  Rgba glyph;
};

// The face behind the glyph while the mouse is over the button or presses it.
void DrawButtonFace(Image& button, Scale s, const ButtonLook& look) {
  const Box outer{0, 0, static_cast<double>(button.width()), static_cast<double>(button.height())};
  const int line = s.Line(1);
  if (look.border.a > 0) Fill(button, RoundRect(outer, s(3)), look.border);
  if (look.face.a > 0) {
    Fill(button, RoundRect({outer.x0 + line, outer.y0 + line, outer.x1 - line, outer.y1 - line}, s(3) - line),
         look.face);
  }
}

Image ChromeButton(const Image& skin, Scale s, int left_twips, const ButtonLook& look, const Shape& glyph) {
  Image button = skin.Crop(s.Place(left_twips), s.Place(kChromeButtonTopTwips), s.Snap(kChromeButtonWidth),
                           s.Snap(kChromeButtonHeight));
  DrawButtonFace(button, s, look);
  Fill(button, glyph, look.glyph);
  return button;
}

}  // namespace

Image DrawMinimiseButton(const Image& skin, ButtonState state, Scale s) {
  static constexpr ButtonLook kLooks[] = {
      {Hex(0xFFFFFF, 0), Hex(0xFFFFFF, 0), Hex(0x5A6A7E)},
      {Hex(0xE6EEF8), Hex(0xB9CCE3), Hex(0x2B7BD6)},
      {Hex(0xCCDBEE), Hex(0x9DB6D6), Hex(0x174F96)},
  };
  const Shape bar = RoundRect({static_cast<double>(s.Snap(9)), static_cast<double>(s.Snap(9)),
                               static_cast<double>(s.Snap(19)), static_cast<double>(s.Snap(11))},
                              s(0.5));
  return ChromeButton(skin, s, kMinimiseLeftTwips, kLooks[static_cast<int>(state)], bar);
}

Image DrawCloseButton(const Image& skin, ButtonState state, Scale s) {
  static constexpr ButtonLook kLooks[] = {
      {Hex(0xFFFFFF, 0), Hex(0xFFFFFF, 0), Hex(0xD8463C)},
      {Hex(0xFDE7E5), Hex(0xF0B3AD), Hex(0xF25A4C)},
      {Hex(0xF7CEC9), Hex(0xE0958D), Hex(0xA8281F)},
  };
  const double w = s(1.7);
  const Shape cross = Segment(s({10.5, 4}), s({17.5, 11}), w) | Segment(s({17.5, 4}), s({10.5, 11}), w);
  return ChromeButton(skin, s, kCloseLeftTwips, kLooks[static_cast<int>(state)], cross);
}

Image DrawSectionHeader(std::string_view words, const Typeface& font, Scale s) {
  const int width = s.Snap(kHeaderWidth);
  const int height = s.Snap(kHeaderHeight);
  Image header(width, height);
  Fill(header, Rectangle({0, 0, static_cast<double>(width), static_cast<double>(height)}), kWhite);
  const double marker_top = s.Snap(4);
  const double marker_bottom = s.Snap(18);
  Fill(header, RoundRect({0, marker_top, static_cast<double>(s.Snap(4)), marker_bottom}, s(1.5)),
       VerticalGradient(marker_top, kBlueLight, marker_bottom, kBlueDark));

  const TextStyle style = s.Text({.pixel_size = 13, .embolden = 0.45, .tracking = 1});
  const InkRange ink = font.Ink(words, style);
  const int baseline = height / 2 - (ink.top + ink.bottom) / 2;
  Fill(header, font.Render(words, style, s(10), baseline, width, height), Solid(Hex(0x1B4A86)));

  Fill(header,
       Rectangle({0, static_cast<double>(height - s.Line(1)), static_cast<double>(width),
                  static_cast<double>(height)}),
       LinearGradient({0, 0}, Hex(0x8CB7EA), {static_cast<double>(width), 0}, Hex(0xEEF4FB)));
  return header;
}

Image DrawAboutLogo(Scale s) {
  const int width = s.Snap(kLogoWidth);
  const int height = s.Snap(kLogoHeight);
  Image logo(width, height);
  Fill(logo, Rectangle({0, 0, static_cast<double>(width), static_cast<double>(height)}), kWhite);
  // The shadows stay a few pixels inside the picture so that its edges are the page's white.
  const int side = s.Snap(58);
  const Vec at{static_cast<double>((width - side) / 2), static_cast<double>(s.Snap(3))};
  Shadow(logo, Ellipse({width / 2.0, at.y + side + s(3)}, side * 0.40, s(2)), {0, 0}, s.Snap(2),
         Hex(0x0E3466, 0.30f));
  Shadow(logo, RoundRect({at.x, at.y, at.x + side, at.y + side}, side * 0.22), s({0, 1}), s.Snap(2),
         Hex(0x0E3466, 0.25f));
  DrawTile(logo, at, side, TileColors::kFull, s.Line(1));
  return logo;
}

Image DrawTipBackground(Scale s) {
  const double width = s.Snap(kTipWidth);
  const double height = s.Snap(kTipHeight);
  const double line = s.Line(1);
  Image tip(static_cast<int>(width), static_cast<int>(height));
  const Shape all = Rectangle({0, 0, width, height});
  const Shape inside = Rectangle({line, line, width - line, height - line});
  Fill(tip, all, Hex(0x164E97));
  Fill(tip, inside, VerticalGradient(line, Hex(0x64AEF5), height - line, Hex(0x1F66C0)));
  Fill(tip, Rectangle({line, line, width - line, 2 * line}), Hex(0xA2CFF9));
  const Shape gloss = inside & Rectangle({0, line, width, height / 2.0});
  Fill(tip, gloss, VerticalGradient(line, Hex(0xFFFFFF, 0.14f), height / 2.0, Hex(0xFFFFFF, 0.03f)));
  return tip;
}

}  // namespace zv::artgen
