// The main window's background picture: title frame, banner, page-title bar, navigation column,
// content area and bottom strip, inside a one-pixel outline.
#include "tools/artgen/skin.h"

#include <cmath>
#include <numbers>
#include <tuple>

#include "tools/artgen/logo.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/scale.h"
#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

using namespace theme;

// The skin's rows and columns at a scale, in whole pixels.
struct SkinLayout {
  Scale scale;
  int width = scale.Snap(kSkinWidth);
  int height = scale.Snap(kSkinHeight);
  int line = scale.Line(1);
  int frame_bottom = scale.Snap(kFrameBottom);
  int bar_top = scale.Snap(kBarTop);
  int bar_bottom = scale.Snap(kBarBottom);
  int column_right = scale.Snap(kColumnRight);
  int footer_top = scale.Snap(kFooterTop);

  Shape Rows(double top, double bottom) const {
    return Rectangle({0, top, static_cast<double>(width), bottom});
  }
  Shape Rows(double top, double bottom, double left, double right) const {
    return Rectangle({left, top, right, bottom});
  }
};

constexpr double kColumnFadeTop = 290;  // below the last navigation entry

// A band whose upper edge is a slow wave, from the wave down to `bottom`, all in design pixels.
Shape Wave(double x0, double x1, double mid, double amplitude, double period, double phase, double bottom) {
  std::vector<Vec> points;
  for (double x = x0; x <= x1 + 0.01; x += 4) {
    points.push_back({x, mid + amplitude * std::sin((x / period) * 2 * std::numbers::pi + phase)});
  }
  points.push_back({x1, bottom});
  points.push_back({x0, bottom});
  return Polygon(std::move(points));
}

// A tile whose edges fall on whole pixels, from its design square.
void DrawSnappedTile(Image& skin, const SkinLayout& l, int x, int y, int side) {
  const Scale& s = l.scale;
  const Vec at{static_cast<double>(s.Snap(x)), static_cast<double>(s.Snap(y))};
  DrawTile(skin, at, s.Snap(x + side) - s.Snap(x), TileColors::kFull, l.line);
}

void DrawTitleFrame(Image& skin, const SkinLayout& l) {
  Fill(skin, l.Rows(0, l.frame_bottom), VerticalGradient(0, kBannerTop, l.bar_top, kBannerBottom));
  DrawSnappedTile(skin, l, 10, 4, 16);
}

void DrawBanner(Image& skin, const SkinLayout& l, const Typeface& font) {
  const Scale& s = l.scale;
  const Shape banner = l.Rows(l.frame_bottom, l.bar_top);
  Fill(skin, banner, VerticalGradient(0, kBannerTop, l.bar_top, kBannerBottom));

  // Quiet depth on the right: large soft circles that fade out towards the title frame, and two waves
  // running into the bar.
  const Paint tint = VerticalGradient(l.frame_bottom, WithAlpha(kBlue, 0), s(70), WithAlpha(kBlue, 0.07f));
  Fill(skin, banner & Circle(s({690, 150}), s(135)), tint);
  Fill(skin, banner & Circle(s({560, -20}), s(100)), tint, 0.7f);
  Fill(skin, banner & Circle(s({780, 30}), s(62)), tint);
  // The waves fade in from the left, behind the product name.
  const Paint white_wave =
      LinearGradient(s({260, 0}), WithAlpha(kWhite, 0), s({460, 0}), WithAlpha(kWhite, 0.45f));
  const Paint blue_wave =
      LinearGradient(s({200, 0}), WithAlpha(kBlue, 0), s({400, 0}), WithAlpha(kBlue, 0.08f));
  const double bottom = l.bar_top / s.factor();
  Fill(skin, banner & Scaled(Wave(0, kSkinWidth, 88, 7, 360, 0.6, bottom), s.factor()), white_wave);
  Fill(skin, banner & Scaled(Wave(0, kSkinWidth, 95, 5, 260, 2.4, bottom), s.factor()), blue_wave);

  for (const auto& [x, y, r] : {std::tuple{604.0, 44.0, 7.0}, {626.0, 66.0, 4.0}, {648.0, 36.0, 3.0}}) {
    Fill(skin, Star4(s({x, y}), s(r), s(r * 0.28)), WithAlpha(kWhite, 0.95f));
  }

  const int tile = s.Snap(24 + 58) - s.Snap(24);
  const Vec at{static_cast<double>(s.Snap(24)), static_cast<double>(s.Snap(34))};
  Shadow(skin, RoundRect({at.x, at.y, at.x + tile, at.y + tile}, tile * 0.22), s({0, 3}), s.Snap(6),
         Hex(0x0E3466, 0.28f));
  DrawTile(skin, at, tile, TileColors::kFull, l.line);

  const TextStyle name{.pixel_size = 36, .embolden = 0.9, .tracking = 0.6};
  Fill(skin, font.Render("Zorvane", s.Text(name), s(98), s.Snap(70), l.width, l.height),
       VerticalGradient(s(42), Hex(0x1E4E8C), s(70), kNavy));
  const TextStyle tagline{.pixel_size = 13, .embolden = 0.1, .tracking = 1.2};
  Fill(skin, font.Render("内存释放 · 轻快流畅", s.Text(tagline), s(101), s.Snap(92), l.width, l.height),
       Solid(kTextGrey));
}

void DrawTitleBar(Image& skin, const SkinLayout& l) {
  const Scale& s = l.scale;
  Fill(skin, l.Rows(l.bar_top, l.bar_bottom),
       VerticalGradient(l.bar_top, kBlueLight, l.bar_bottom, kBlueDark));
  Fill(skin, l.Rows(l.bar_top, l.bar_top + l.line), Hex(0x7DBBF5));
  Fill(skin, l.Rows(l.bar_bottom - l.line, l.bar_bottom), Hex(0x1A57A4));
  // A marker before the page title, and light slants at the far right.
  Fill(skin, Polygon({s({31, 113}), s({37, 118}), s({31, 123})}), WithAlpha(kWhite, 0.9f));
  const double top = l.bar_top;
  const double bottom = l.bar_bottom;
  for (int i = 0; i < 4; ++i) {
    const double x = 640 + i * 36;
    Fill(skin, Polygon({{s(x + 18), top}, {s(x + 34), top}, {s(x + 16), bottom}, {s(x), bottom}}),
         WithAlpha(kWhite, 0.05f + 0.015f * i));
  }
}

void DrawBody(Image& skin, const SkinLayout& l) {
  const Scale& s = l.scale;
  // The column stays flat where the navigation entries sit and darkens a little towards the bottom.
  Fill(skin, l.Rows(l.bar_bottom, l.footer_top, 0, l.column_right),
       VerticalGradient(s(kColumnFadeTop), kColumn, l.footer_top, Hex(0xE3E9F1)));
  const Rgba faint = WithAlpha(kBlue, 0.07f);
  const BroomLook watermark{.handle = faint,
                            .band = faint,
                            .head_top = faint,
                            .head_bottom = faint,
                            .bristle_line = WithAlpha(kBlue, 0),
                            .sparkle = faint,
                            .swoosh = WithAlpha(kBlue, 0.05f)};
  DrawBroom(skin, s({46, 368}), s(150), watermark);
  Fill(skin, l.Rows(l.bar_bottom, l.footer_top, l.column_right, l.column_right + l.line), kDivider);
  // The bar casts a short shadow onto the column and the content.
  const int shadow_bottom = l.bar_bottom + s.Snap(3);
  Fill(skin, l.Rows(l.bar_bottom, shadow_bottom),
       VerticalGradient(l.bar_bottom, Hex(0x0A2A55, 0.16f), shadow_bottom, Hex(0x0A2A55, 0.0f)));
  Fill(skin, l.Rows(l.footer_top, l.footer_top + l.line), kDivider);
  Fill(skin, l.Rows(l.footer_top + l.line, l.height),
       VerticalGradient(l.footer_top, Hex(0xF6F8FB), l.height, kFooter));
}

void DrawOutline(Image& skin, const SkinLayout& l) {
  const Shape inside = l.Rows(l.line, l.height - l.line, l.line, l.width - l.line);
  Fill(skin, l.Rows(0, l.height) - inside, kOutline);
}

}  // namespace

Image DrawSkin(const Typeface& font, Scale scale) {
  const SkinLayout layout{.scale = scale};
  Image skin(layout.width, layout.height);
  Fill(skin, layout.Rows(0, layout.height), kContent);
  DrawTitleFrame(skin, layout);
  DrawBanner(skin, layout, font);
  DrawTitleBar(skin, layout);
  DrawBody(skin, layout);
  DrawOutline(skin, layout);
  return skin;
}

}  // namespace zv::artgen
