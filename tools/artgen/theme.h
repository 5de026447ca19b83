// The skin's geometry and colours, shared by every picture so that the pieces blend when placed.
#pragma once

#include "tools/artgen/image.h"

namespace zv::artgen::theme {

// Main window skin, in design pixels (96 dpi).
constexpr int kSkinWidth = 786;
constexpr int kSkinHeight = 557;
constexpr int kFrameBottom = 22;  // title frame: rows 1..21
constexpr int kBarTop = 105;      // blue page-title bar: rows 105..130
constexpr int kBarBottom = 131;
constexpr int kColumnRight = 206;  // navigation column x 1..205, divider at 206
constexpr int kFooterTop = 530;    // bottom strip: divider at 530, rows 531..555

// Where the main window lays the pieces out over the skin, in twips: at any dpi each piece is cut from the
// skin at those twips rounded to pixels, as the layout rounds them.
constexpr int kNavLeftTwips = 110;
constexpr int kNavTopTwips[] = {2010, 2540, 3060, 3590};  // the entries top to bottom
constexpr int kMinimiseLeftTwips = 10800;
constexpr int kCloseLeftTwips = 11280;
constexpr int kChromeButtonTopTwips = 70;
constexpr int kNavWidth = 199;
constexpr int kNavHeight = 36;
constexpr int kChromeButtonWidth = 28;
constexpr int kChromeButtonHeight = 15;

constexpr int kHeaderWidth = 102;
constexpr int kHeaderHeight = 22;
constexpr int kLogoWidth = 68;
constexpr int kLogoHeight = 71;
constexpr int kTipWidth = 110;
constexpr int kTipHeight = 27;

// Palette.
constexpr Rgba kOutline = Hex(0x4F6A8C);
constexpr Rgba kBannerTop = Hex(0xFBFCFE);  // the light area above the bar, frame included
constexpr Rgba kBannerBottom = Hex(0xDDEAF8);
constexpr Rgba kBlue = Hex(0x2B7BD6);
constexpr Rgba kBlueLight = Hex(0x4C9CEC);
constexpr Rgba kBlueDark = Hex(0x1D62B8);
constexpr Rgba kBlueDeep = Hex(0x174F96);
constexpr Rgba kNavy = Hex(0x17365F);
constexpr Rgba kColumn = Hex(0xEEF2F7);
constexpr Rgba kDivider = Hex(0xD3DCE7);
constexpr Rgba kContent = Hex(0xFFFFFF);
constexpr Rgba kFooter = Hex(0xF3F6FA);
constexpr Rgba kTextGrey = Hex(0x5B6778);
constexpr Rgba kIconGrey = Hex(0x8592A3);
constexpr Rgba kTileTop = Hex(0x5AAAF4);
constexpr Rgba kTileBottom = Hex(0x1A5DB8);
constexpr Rgba kGold = Hex(0xFFC53D);
constexpr Rgba kGoldDark = Hex(0xF0961C);
constexpr Rgba kBristle = Hex(0xC7700F);
constexpr Rgba kWhite = Hex(0xFFFFFF);

}  // namespace zv::artgen::theme
