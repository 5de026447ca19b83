// What one skinned button holds: its public properties, its palette and its internal state.
#pragma once

#include <cstdint>
#include <string>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

namespace zv::command {

// Looks (ButtonType). Any other value is kept as given and draws only the caption.
namespace look {
constexpr int kXp = 1;
constexpr int kClassic = 2;
constexpr int kGradient = 3;
constexpr int kGlossy = 4;
constexpr int kOfficeXp = 5;
}  // namespace look

// Palette sources (ColorScheme). Any value but 2 and 3 takes the system colours.
namespace scheme {
constexpr int kSystem = 1;
constexpr int kCustom = 2;
constexpr int kClassic = 3;
}  // namespace scheme

// Colour variants of look 1 (XpType). Any other value has no gradient.
namespace xptype {
constexpr int kLilac = 1;
constexpr int kBeige = 2;
constexpr int kLightGrey = 3;
}  // namespace xptype

// Drawing states.
constexpr std::uint8_t kStateNormal = 0;
constexpr std::uint8_t kStatePressed = 2;

// Default values of the properties (the gradient set is the green one of look 3).
namespace defaults {
constexpr int kPercent = 16;
constexpr Color kMidColor = Rgb(116, 200, 115);
constexpr Color kEndColor = Rgb(215, 246, 215);
constexpr Color kMouseMoveMidColor = Rgb(53, 163, 51);
constexpr Color kMouseMoveEndColor = Rgb(245, 252, 244);
constexpr Color kMouseDownMidColor = Rgb(132, 208, 133);
constexpr Color kMouseDownEndColor = 0;
constexpr Color kOfficeXpFillColor = Rgb(222, 222, 160);
constexpr Color kOfficeXpFrameColor = Rgb(188, 188, 66);
constexpr Color kOfficeXpMousemoveFillColor = Rgb(220, 220, 186);
constexpr Color kOfficeXpMousemoveFrameColor = Rgb(127, 128, 1);
constexpr Color kRectColor = Rgb(250, 195, 88);
constexpr int kButtonType = look::kXp;
constexpr int kColorScheme = scheme::kSystem;
constexpr int kXpType = xptype::kLilac;
constexpr const char* kCaption = "rodeviri";
}  // namespace defaults

struct CommandProperties {
  Color backColor = 0;  // set from the system colours when the instance is created or loaded
  Color foreColor = 0;
  std::int16_t percent = defaults::kPercent;
  Color midColor = defaults::kMidColor;
  Color endColor = defaults::kEndColor;
  Color mouseMoveMidColor = defaults::kMouseMoveMidColor;
  Color mouseMoveEndColor = defaults::kMouseMoveEndColor;
  Color mouseDownMidColor = defaults::kMouseDownMidColor;
  Color mouseDownEndColor = defaults::kMouseDownEndColor;
  Color officeXpFillColor = defaults::kOfficeXpFillColor;
  Color officeXpFrameColor = defaults::kOfficeXpFrameColor;
  Color officeXpMousemoveFillColor = defaults::kOfficeXpMousemoveFillColor;
  Color officeXpMousemoveFrameColor = defaults::kOfficeXpMousemoveFrameColor;
  Font font;
  std::int32_t storedHWnd = 0;  // only loaded and saved
  int buttonType = defaults::kButtonType;
  std::string caption = defaults::kCaption;  // UTF-8; "&" marks the access key
  int colorScheme = defaults::kColorScheme;
  int xpType = defaults::kXpType;
  Color rectColor = defaults::kRectColor;
  bool showFocusRect = true;
};

// Set only from the colour scheme (UpdatePalette).
struct CommandPalette {
  Color face = 0;
  Color light = 0;
  Color highlight = 0;
  Color shadow = 0;
  Color darkShadow = 0;
  Color text = 0;
};

struct CommandState {
  int width = 0;  // client size in pixels
  int height = 0;
  Rect captionRect;                     // (0, T, W, H); T is set by a wrapped caption
  Rect pressedCaptionRect{2, 2, 0, 0};  // (2, T2, W, H)
  Rect focusRect;                       // (2, 2, W - 2, H - 2)
  std::uint8_t lastButton = 1;
  std::uint8_t lastKey = 0;
  bool hasFocus = false;
  bool hover = false;
  std::uint8_t state = kStateNormal;
  std::string lastCaption;
};

}  // namespace zv::command
