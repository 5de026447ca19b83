// The main window's background picture: title frame, banner, page-title bar, navigation column,
// content area and bottom strip, inside a one-pixel outline.
#include "tools/artgen/skin.h"

#include <cmath>
#include <numbers>
#include <tuple>

#include "tools/artgen/logo.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/theme.h"

namespace zv::artgen {
namespace {

using namespace theme;

constexpr double kColumnFadeTop = 290;  // below the last navigation entry

Shape Rows(double top, double bottom, double left = 0, double right = kSkinWidth) {
  return Rectangle({left, top, right, bottom});
}

// A band whose upper edge is a slow wave, from the wave down to `bottom`.
Shape Wave(double x0, double x1, double mid, double amplitude, double period, double phase, double bottom) {
  std::vector<Vec> points;
  for (double x = x0; x <= x1 + 0.01; x += 4) {
    points.push_back({x, mid + amplitude * std::sin((x / period) * 2 * std::numbers::pi + phase)});
  }
  points.push_back({x1, bottom});
  points.push_back({x0, bottom});
  return Polygon(std::move(points));
}

void DrawTitleFrame(Image& skin) {
  Fill(skin, Rows(0, kFrameBottom), VerticalGradient(0, kBannerTop, kBarTop, kBannerBottom));
  DrawTile(skin, {10, 4}, 16);
}

void DrawBanner(Image& skin, const Typeface& font) {
  const Shape banner = Rows(kFrameBottom, kBarTop);
  Fill(skin, banner, VerticalGradient(0, kBannerTop, kBarTop, kBannerBottom));

  // Quiet depth on the right: large soft circles that fade out towards the title frame, and two waves
  // running into the bar.
  const Paint tint = VerticalGradient(kFrameBottom, WithAlpha(kBlue, 0), 70, WithAlpha(kBlue, 0.07f));
  Fill(skin, banner & Circle({690, 150}, 135), tint);
  Fill(skin, banner & Circle({560, -20}, 100), tint, 0.7f);
  Fill(skin, banner & Circle({780, 30}, 62), tint);
  // The waves fade in from the left, behind the product name.
  const Paint white_wave = LinearGradient({260, 0}, WithAlpha(kWhite, 0), {460, 0}, WithAlpha(kWhite, 0.45f));
  const Paint blue_wave = LinearGradient({200, 0}, WithAlpha(kBlue, 0), {400, 0}, WithAlpha(kBlue, 0.08f));
  Fill(skin, banner & Wave(0, kSkinWidth, 88, 7, 360, 0.6, kBarTop), white_wave);
  Fill(skin, banner & Wave(0, kSkinWidth, 95, 5, 260, 2.4, kBarTop), blue_wave);

  for (const auto& [x, y, r] : {std::tuple{604.0, 44.0, 7.0}, {626.0, 66.0, 4.0}, {648.0, 36.0, 3.0}}) {
    Fill(skin, Star4({x, y}, r, r * 0.28), WithAlpha(kWhite, 0.95f));
  }

  const double tile = 58;
  const Vec at{24, 34};
  Shadow(skin, RoundRect({at.x, at.y, at.x + tile, at.y + tile}, tile * 0.22), {0, 3}, 6,
         Hex(0x0E3466, 0.28f));
  DrawTile(skin, at, tile);

  const TextStyle name{.pixel_size = 36, .embolden = 0.9, .tracking = 0.6};
  Fill(skin, font.Render("Zorvane", name, 98, 70, kSkinWidth, kSkinHeight),
       VerticalGradient(42, Hex(0x1E4E8C), 70, kNavy));
  const TextStyle tagline{.pixel_size = 13, .embolden = 0.1, .tracking = 1.2};
  Fill(skin, font.Render("内存释放 · 轻快流畅", tagline, 101, 92, kSkinWidth, kSkinHeight), Solid(kTextGrey));
}

void DrawTitleBar(Image& skin) {
  Fill(skin, Rows(kBarTop, kBarBottom), VerticalGradient(kBarTop, kBlueLight, kBarBottom, kBlueDark));
  Fill(skin, Rows(kBarTop, kBarTop + 1), Hex(0x7DBBF5));
  Fill(skin, Rows(kBarBottom - 1, kBarBottom), Hex(0x1A57A4));
  // A marker before the page title, and light slants at the far right.
  Fill(skin, Polygon({{31, 113}, {37, 118}, {31, 123}}), WithAlpha(kWhite, 0.9f));
  for (int i = 0; i < 4; ++i) {
    const double x = 640 + i * 36;
    Fill(skin, Polygon({{x + 18, kBarTop}, {x + 34, kBarTop}, {x + 16, kBarBottom}, {x, kBarBottom}}),
         WithAlpha(kWhite, 0.05f + 0.015f * i));
  }
}

void DrawBody(Image& skin) {
  // The column stays flat where the navigation entries sit and darkens a little towards the bottom.
  Fill(skin, Rows(kBarBottom, kFooterTop, 0, kColumnRight),
       VerticalGradient(kColumnFadeTop, kColumn, kFooterTop, Hex(0xE3E9F1)));
  const Rgba faint = WithAlpha(kBlue, 0.07f);
  const BroomLook watermark{.handle = faint,
                            .band = faint,
                            .head_top = faint,
                            .head_bottom = faint,
                            .bristle_line = WithAlpha(kBlue, 0),
                            .sparkle = faint,
                            .swoosh = WithAlpha(kBlue, 0.05f)};
  DrawBroom(skin, {46, 368}, 150, watermark);
  Fill(skin, Rows(kBarBottom, kFooterTop, kColumnRight, kColumnRight + 1), kDivider);
  // The bar casts a short shadow onto the column and the content.
  Fill(skin, Rows(kBarBottom, kBarBottom + 3),
       VerticalGradient(kBarBottom, Hex(0x0A2A55, 0.16f), kBarBottom + 3, Hex(0x0A2A55, 0.0f)));
  Fill(skin, Rows(kFooterTop, kFooterTop + 1), kDivider);
  Fill(skin, Rows(kFooterTop + 1, kSkinHeight),
       VerticalGradient(kFooterTop, Hex(0xF6F8FB), kSkinHeight, kFooter));
}

void DrawOutline(Image& skin) {
  const Shape inside = Rows(1, kSkinHeight - 1, 1, kSkinWidth - 1);
  Fill(skin, Rows(0, kSkinHeight) - inside, kOutline);
}

}  // namespace

Image DrawSkin(const Typeface& font) {
  Image skin(kSkinWidth, kSkinHeight);
  Fill(skin, Rows(0, kSkinHeight), kContent);
  DrawTitleFrame(skin);
  DrawBanner(skin, font);
  DrawTitleBar(skin);
  DrawBody(skin);
  DrawOutline(skin);
  return skin;
}

}  // namespace zv::artgen
