// Small pieces of the windows: the minimise and close buttons, section headers, the mini window's bar.
#include "tools/artgen/chrome.h"

#include "tools/artgen/logo.h"
#include "tools/artgen/paint.h"
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
void DrawButtonFace(Image& button, const ButtonLook& look) {
  const Box outer{0, 0, kChromeButtonWidth, kChromeButtonHeight};
  if (look.border.a > 0) Fill(button, RoundRect(outer, 3), look.border);
  if (look.face.a > 0) Fill(button, RoundRect({1, 1, outer.x1 - 1, outer.y1 - 1}, 2), look.face);
}

Image ChromeButton(const Image& skin, int x, const ButtonLook& look, const Shape& glyph) {
  Image button = skin.Crop(x, kChromeButtonY, kChromeButtonWidth, kChromeButtonHeight);
  DrawButtonFace(button, look);
  Fill(button, glyph, look.glyph);
  return button;
}

}  // namespace

Image DrawMinimiseButton(const Image& skin, ButtonState state) {
  static constexpr ButtonLook kLooks[] = {
      {Hex(0xFFFFFF, 0), Hex(0xFFFFFF, 0), Hex(0x5A6A7E)},
      {Hex(0xE6EEF8), Hex(0xB9CCE3), Hex(0x2B7BD6)},
      {Hex(0xCCDBEE), Hex(0x9DB6D6), Hex(0x174F96)},
  };
  const Shape bar = RoundRect({9, 9, 19, 11}, 0.5);
  return ChromeButton(skin, kMinimiseX, kLooks[static_cast<int>(state)], bar);
}

Image DrawCloseButton(const Image& skin, ButtonState state) {
  static constexpr ButtonLook kLooks[] = {
      {Hex(0xFFFFFF, 0), Hex(0xFFFFFF, 0), Hex(0xD8463C)},
      {Hex(0xFDE7E5), Hex(0xF0B3AD), Hex(0xF25A4C)},
      {Hex(0xF7CEC9), Hex(0xE0958D), Hex(0xA8281F)},
  };
  const double w = 1.7;
  const Shape cross = Segment({10.5, 4}, {17.5, 11}, w) | Segment({17.5, 4}, {10.5, 11}, w);
  return ChromeButton(skin, kCloseX, kLooks[static_cast<int>(state)], cross);
}

Image DrawSectionHeader(std::string_view words, const Typeface& font) {
  Image header(kHeaderWidth, kHeaderHeight);
  Fill(header, Rectangle({0, 0, kHeaderWidth, kHeaderHeight}), kWhite);
  Fill(header, RoundRect({0, 4, 4, 18}, 1.5), VerticalGradient(4, kBlueLight, 18, kBlueDark));

  const TextStyle style{.pixel_size = 13, .embolden = 0.45, .tracking = 1};
  const InkRange ink = font.Ink(words, style);
  const int baseline = 11 - (ink.top + ink.bottom) / 2;
  Fill(header, font.Render(words, style, 10, baseline, kHeaderWidth, kHeaderHeight), Solid(Hex(0x1B4A86)));

  Fill(header, Rectangle({0, 21, kHeaderWidth, 22}),
       LinearGradient({0, 0}, Hex(0x8CB7EA), {kHeaderWidth, 0}, Hex(0xEEF4FB)));
  return header;
}

Image DrawAboutLogo() {
  Image logo(kLogoWidth, kLogoHeight);
  Fill(logo, Rectangle({0, 0, kLogoWidth, kLogoHeight}), kWhite);
  // The shadows stay a few pixels inside the picture so that its edges are the page's white.
  const double side = 58;
  const Vec at{(kLogoWidth - side) / 2, 3};
  Shadow(logo, Ellipse({kLogoWidth / 2.0, at.y + side + 3}, side * 0.40, 2), {0, 0}, 2, Hex(0x0E3466, 0.30f));
  Shadow(logo, RoundRect({at.x, at.y, at.x + side, at.y + side}, side * 0.22), {0, 1}, 2,
         Hex(0x0E3466, 0.25f));
  DrawTile(logo, at, side);
  return logo;
}

Image DrawTipBackground() {
  Image tip(kTipWidth, kTipHeight);
  const Shape all = Rectangle({0, 0, kTipWidth, kTipHeight});
  const Shape inside = Rectangle({1, 1, kTipWidth - 1, kTipHeight - 1});
  Fill(tip, all, Hex(0x164E97));
  Fill(tip, inside, VerticalGradient(1, Hex(0x64AEF5), kTipHeight - 1, Hex(0x1F66C0)));
  Fill(tip, Rectangle({1, 1, kTipWidth - 1, 2}), Hex(0xA2CFF9));
  const Shape gloss = inside & Rectangle({0, 1, kTipWidth, kTipHeight / 2.0});
  Fill(tip, gloss, VerticalGradient(1, Hex(0xFFFFFF, 0.14f), kTipHeight / 2.0, Hex(0xFFFFFF, 0.03f)));
  return tip;
}

}  // namespace zv::artgen
