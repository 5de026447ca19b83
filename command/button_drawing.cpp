// The button's five looks in their normal, pressed and disabled states, in the order in which
// each paints its face, frame, marks and caption.
#include "command/button_drawing.h"

#include "command/drawing_primitives.h"
#include "command/gradient_faces.h"

namespace zv::command {
namespace {

constexpr unsigned kSingleLineCentred =
    textflag::kCenter | textflag::kVCenter | textflag::kSingleLine | textflag::kExpandTabs;
constexpr unsigned kWrappedCentred = textflag::kCenter | textflag::kWordBreak;

constexpr Color kGlossyBorder = Rgb(81, 107, 148);
constexpr Color kDisabledGradientText = Rgb(171, 168, 153);

struct GlowColors {
  Color frame, bottom, top, inner, sides;
};
constexpr GlowColors kBlueGlow{Rgb(140, 174, 231), Rgb(107, 130, 239), Rgb(206, 231, 255), Rgb(189, 215, 247),
                               Rgb(181, 209, 240)};
constexpr GlowColors kGreenGlow{Rgb(122, 184, 98), Rgb(122, 184, 98), Rgb(122, 184, 98), Rgb(122, 184, 98),
                                Rgb(122, 184, 98)};

class ButtonPainter {
 public:
  ButtonPainter(Canvas& canvas, const CommandProperties& p, const CommandPalette& palette, CommandState& s,
                const PaintConditions& conditions)
      : c_(canvas),
        p_(p),
        pal_(palette),
        s_(s),
        w_(s.width),
        h_(s.height),
        focused_(s.hasFocus && p.showFocusRect),
        emphasised_(p.showFocusRect && (s.hasFocus || conditions.displayAsDefault)) {}

  void Paint(const PaintConditions& conditions) {
    DrawRect(c_, 0, 0, w_, h_, pal_.face, false);
    if (!conditions.enabled) {
      Disabled();
    } else if (conditions.state == kStateNormal) {
      Normal();
    } else if (conditions.state == kStatePressed) {
      Pressed();
    }
  }

 private:
  void Normal() {
    switch (p_.buttonType) {
      case look::kXp:
        return XpNormal();
      case look::kClassic:
        return ClassicNormal();
      case look::kGradient:
        return GradientNormal();
      case look::kGlossy:
        return GlossyNormal();
      case look::kOfficeXp:
        return OfficeXpNormal();
      default:
        return Caption(pal_.text);
    }
  }

  void Pressed() {
    switch (p_.buttonType) {
      case look::kXp:
        return XpPressed();
      case look::kClassic:
        return ClassicPressed();
      case look::kGradient:
        return GradientPressed();
      case look::kGlossy:
        return GlossyPressed();
      case look::kOfficeXp:
        return OfficeXpPressed();
      default:
        return;
    }
  }

  void Disabled() {
    switch (p_.buttonType) {
      case look::kXp:
        return XpDisabled();
      case look::kClassic:
        return ClassicDisabled();
      case look::kGradient:
        return GradientDisabled();
      case look::kGlossy:
        return GlossyDisabled();
      case look::kOfficeXp:
        return OfficeXpDisabled();
      default:
        return;
    }
  }

  // Look 1.
  void XpNormal() {
    XpNormalFace();
    XpBorder();
    const Color hoverColor = p_.xpType == xptype::kBeige ? Rgb(228, 144, 80) : p_.rectColor;
    if (s_.hover) {
      HoverFrame(hoverColor);
    } else if (emphasised_) {
      if (p_.xpType == xptype::kLilac || p_.xpType == xptype::kLightGrey) Glow(kBlueGlow, 2, w_ - 2);
      if (p_.xpType == xptype::kBeige) Glow(kGreenGlow, 2, w_ - 2);
      Focus();
    }
    Caption(pal_.text);
  }

  void XpNormalFace() {
    if (p_.colorScheme == scheme::kCustom || p_.colorScheme == scheme::kClassic) {
      const auto step = static_cast<float>(25.0 / h_);
      const Color base = ShiftColor(pal_.face, 48, true);
      for (int i = 1; i <= h_ - 2; ++i) DrawLine(c_, 0, i, w_, i, ShiftColor(base, Nearest(-step * i), true));
      return;
    }
    switch (p_.xpType) {
      case xptype::kLilac:
        return FadeToWhite(c_, 198, 197, 215, h_ - 2, 1, -1);
      case xptype::kBeige: {
        Color color = Rgb(242, 237, 218);
        for (int i = h_ - 2; i >= 1; --i) {
          color = ShiftColor(color, 1, false);
          DrawLine(c_, 1, i, w_ - 2, i, color);
        }
        return;
      }
      case xptype::kLightGrey:
        return FadeToWhite(c_, 236, 235, 230, h_ - 2, 1, -1);
      default:
        return;
    }
  }

  void XpPressed() {
    switch (p_.xpType) {
      case xptype::kLilac:
        FadeToWhite(c_, 171, 170, 188, 1, h_ - 2, 1);
        break;
      case xptype::kBeige: {
        const auto step = static_cast<float>(15.0 / h_);
        const Color base = ShiftColor(ShiftColor(pal_.face, 48, true), -32, true);
        for (int i = 1; i <= h_; ++i) {
          DrawLine(c_, 0, h_ - i, w_, h_ - i, ShiftColor(base, Nearest(-step * i), true));
        }
        break;
      }
      case xptype::kLightGrey:
        FadeToWhite(c_, 224, 224, 216, 1, h_ - 2, 1);
        break;
      default:
        break;
    }
    PressedCaption(pal_.text);
    XpBorder();
    if (focused_) Focus();
  }

  void XpDisabled() {
    DrawRect(c_, 0, 0, w_, h_, Rgb(244, 244, 234), false);
    Caption(Rgb(161, 162, 146));
    DrawRoundBorder(c_, Rgb(201, 199, 186), Rgb(201, 199, 186));
  }

  void XpBorder() { DrawRoundBorder(c_, Rgb(0, 60, 115), Rgb(16, 77, 123)); }

  // Look 2.
  void ClassicNormal() {
    DrawRect(c_, 1, 1, w_ - 2, h_ - 2, pal_.light, false);
    ClassicBevel();
    if (s_.hover) {
      HoverFrame(p_.rectColor);
    } else if (emphasised_) {
      Glow(kBlueGlow, 1, w_ - 1);
    }
    Caption(pal_.text);
  }

  void ClassicPressed() {
    const Color s16 = ShiftColor(pal_.shadow, -16, false);
    const Color s32 = ShiftColor(pal_.shadow, -32, false);
    const Color s64 = ShiftColor(pal_.shadow, -64, false);
    const Color dark = pal_.darkShadow;
    DrawRect(c_, 1, 1, w_ - 2, h_ - 2, s16, false);
    DrawLine(c_, 2, 0, w_ - 2, 0, dark);
    DrawLine(c_, 2, h_ - 1, w_ - 2, h_ - 1, dark);
    DrawLine(c_, 0, 2, 0, h_ - 2, dark);
    DrawLine(c_, w_ - 1, 2, w_ - 1, h_ - 2, dark);
    DrawRect(c_, 1, 1, w_ - 2, h_ - 2, s64, true);
    DrawRect(c_, 2, 2, w_ - 4, h_ - 4, s32, true);
    SetPixelColor(c_, 2, 2, s64);
    SetPixelColor(c_, 3, 3, s32);
    SetPixelColor(c_, 1, 1, dark);
    SetPixelColor(c_, 1, h_ - 2, dark);
    SetPixelColor(c_, w_ - 2, 1, dark);
    SetPixelColor(c_, w_ - 2, h_ - 2, dark);
    DrawLine(c_, w_ - 3, 1, w_ - 3, h_ - 3, pal_.shadow);
    DrawLine(c_, 1, h_ - 3, w_ - 2, h_ - 3, pal_.shadow);
    SetPixelColor(c_, w_ - 4, h_ - 4, pal_.shadow);
    DrawLine(c_, w_ - 2, 3, w_ - 2, h_ - 2, s16);
    DrawLine(c_, 3, h_ - 2, w_ - 2, h_ - 2, s16);
    SetPixelColor(c_, w_ - 2, h_ - 3, s32);
    SetPixelColor(c_, w_ - 3, h_ - 2, s32);
    SetPixelColor(c_, 2, h_ - 2, s32);
    SetPixelColor(c_, 2, h_ - 3, s16);
    SetPixelColor(c_, 1, h_ - 3, s16);
    SetPixelColor(c_, w_ - 2, 2, s32);
    SetPixelColor(c_, w_ - 3, 2, s16);
    SetPixelColor(c_, w_ - 3, 1, s16);
    PressedCaption(pal_.light);
  }

  void ClassicDisabled() {
    DrawRect(c_, 1, 1, w_ - 2, h_ - 2, pal_.light, false);
    c_.DrawText(p_.font, pal_.shadow, p_.caption, s_.captionRect, kSingleLineCentred);
    ClassicBevel();
    // The light copy one pixel right and down, wrapped like the normal caption when too wide.
    const TextExtent extent = Measure();
    if (extent.width <= w_) {
      c_.DrawText(p_.font, pal_.highlight, p_.caption, s_.pressedCaptionRect, kSingleLineCentred);
      return;
    }
    s_.pressedCaptionRect.top = WrappedTop(extent) + 2;
    c_.DrawText(p_.font, pal_.highlight, p_.caption, s_.pressedCaptionRect, kWrappedCentred);
  }

  void ClassicBevel() {
    const Color face = pal_.face;
    DrawRoundBorder(c_, pal_.darkShadow, pal_.darkShadow);
    SetPixelColor(c_, 1, 2, face);
    SetPixelColor(c_, 2, 1, face);
    DrawLine(c_, 3, 2, w_ - 3, 2, pal_.highlight);
    DrawLine(c_, 2, 2, 2, h_ - 3, pal_.highlight);
    SetPixelColor(c_, 3, 3, pal_.highlight);
    DrawLine(c_, w_ - 3, 1, w_ - 3, h_ - 3, face);
    DrawLine(c_, 1, h_ - 3, w_ - 3, h_ - 3, face);
    SetPixelColor(c_, w_ - 4, h_ - 4, face);
    DrawLine(c_, w_ - 2, 3, w_ - 2, h_ - 2, pal_.shadow);
    DrawLine(c_, 3, h_ - 2, w_ - 2, h_ - 2, pal_.shadow);
    SetPixelColor(c_, w_ - 3, h_ - 3, pal_.shadow);
    SetPixelColor(c_, 2, h_ - 2, face);
    SetPixelColor(c_, 2, h_ - 3, pal_.light);
    SetPixelColor(c_, w_ - 2, 2, face);
    SetPixelColor(c_, w_ - 3, 2, pal_.light);
  }

  // Look 3.
  void GradientNormal() {
    const bool system = p_.colorScheme == scheme::kSystem;
    const Color border = system ? Rgb(183, 183, 183) : Rgb(1, 109, 1);
    DrawTwoToneFace(c_, p_.midColor, border, p_.endColor, p_.percent, false);
    if (s_.hover) {
      const Color hoverBorder = system ? Rgb(82, 134, 182) : Rgb(1, 109, 1);
      DrawTwoToneFace(c_, p_.mouseMoveMidColor, hoverBorder, p_.mouseMoveEndColor, p_.percent, false);
    }
    if (emphasised_) Focus();
    Caption(pal_.text);
  }

  void GradientPressed() {
    if (p_.colorScheme == scheme::kSystem) {
      DrawTwoToneFace(c_, p_.mouseDownMidColor, Rgb(203, 130, 62), p_.mouseDownEndColor, p_.percent, false);
    } else {
      DrawTwoToneFace(c_, p_.mouseDownMidColor, Rgb(84, 157, 84), p_.mouseDownEndColor, p_.percent, true);
    }
    PressedCaption(pal_.text);
    if (focused_) Focus();
  }

  void GradientDisabled() {
    DrawRect(c_, 1, 1, w_ - 2, h_ - 2, Rgb(241, 242, 237), false);
    DrawRoundBorder(c_, Rgb(204, 204, 202), Rgb(204, 204, 202));
    Caption(kDisabledGradientText);
  }

  // Look 4.
  void GlossyNormal() {
    if (s_.hover) {
      DrawGlossyFace(c_, p_.mouseMoveMidColor, kGlossyBorder, p_.mouseMoveEndColor, p_.percent);
    } else {
      DrawGlossyFace(c_, p_.midColor, kGlossyBorder, p_.endColor, p_.percent);
    }
    if (emphasised_) Focus();
    Caption(pal_.text);
  }

  void GlossyPressed() {
    DrawGlossyFace(c_, p_.mouseDownMidColor, kGlossyBorder, p_.mouseDownEndColor, p_.percent);
    PressedCaption(pal_.text);
    if (focused_) Focus();
  }

  void GlossyDisabled() {
    DrawGlossyFace(c_, Rgb(198, 218, 255), Rgb(128, 140, 162), Rgb(232, 242, 255), 53);
    Caption(kDisabledGradientText);
  }

  // Look 5: the default-button status plays no part.
  void OfficeXpNormal() {
    const Color frame = s_.hover ? p_.officeXpMousemoveFrameColor : p_.officeXpFrameColor;
    const Color fill = s_.hover ? p_.officeXpMousemoveFillColor : p_.officeXpFillColor;
    DrawRect(c_, 0, 0, w_, h_, frame, true);
    DrawRect(c_, 1, 1, w_ - 2, h_ - 2, fill, false);
    if (focused_) Focus();
    Caption(pal_.text);
  }

  void OfficeXpPressed() {
    const Color ceiling = Rgb(250, 250, 250);
    const Color fill = p_.colorScheme == scheme::kClassic
                           ? AddColorClamped(p_.officeXpMousemoveFillColor, -40, -30, -15, ceiling)
                           : AddColorClamped(p_.officeXpMousemoveFillColor, -30, -30, -60, ceiling);
    DrawRect(c_, 0, 0, w_, h_, p_.officeXpMousemoveFrameColor, true);
    DrawRect(c_, 1, 1, w_ - 2, h_ - 2, fill, false);
    PressedCaption(pal_.text);
    if (focused_) Focus();
  }

  void OfficeXpDisabled() {
    const bool classic = p_.colorScheme == scheme::kClassic;
    const Color frame = classic ? p_.officeXpFrameColor : Rgb(188, 188, 64);
    DrawRect(c_, 0, 0, w_, h_, frame, true);
    DrawRect(c_, 1, 1, w_ - 2, h_ - 2, classic ? p_.officeXpFillColor : Rgb(238, 239, 208), false);
    Caption(frame);
  }

  // Marks shared by the looks.
  void HoverFrame(Color color) {
    DrawRect(c_, 2, 1, w_ - 4, h_ - 2, color, true);
    DrawLine(c_, 1, 2, 1, h_ - 2, color);
    DrawLine(c_, 3, 2, w_ - 3, 2, color);
    DrawLine(c_, w_ - 2, 2, w_ - 2, h_ - 2, color);
    DrawLine(c_, 3, h_ - 3, w_ - 3, h_ - 3, color);
  }

  void Glow(const GlowColors& g, int x0, int x1) {
    DrawRect(c_, 1, 2, w_ - 2, h_ - 4, g.frame, true);
    DrawLine(c_, 2, h_ - 2, w_ - 2, h_ - 2, g.bottom);
    DrawLine(c_, 2, 1, w_ - 2, 1, g.top);
    DrawLine(c_, x0, 2, x1, 2, g.inner);
    DrawLine(c_, 2, 3, 2, h_ - 3, g.sides);
    DrawLine(c_, w_ - 3, 3, w_ - 3, h_ - 3, g.sides);
  }

  void Focus() { DrawFocus(c_, s_.focusRect); }

  // The caption is measured as written ("&" included), as the layout rules take it.
  TextExtent Measure() { return c_.MeasureText(p_.font, p_.caption, textflag::kNoPrefix); }

  // Top of a wrapped caption: the lines it needs at this width, centred as a block.
  int WrappedTop(const TextExtent& extent) const {
    const int lines = w_ > 0 ? Nearest(extent.width) / w_ + 1 : 1;
    return Nearest(h_ - extent.height * lines) / 2;
  }

  void Caption(Color color) {
    const TextExtent extent = Measure();
    if (extent.width <= w_) {
      c_.DrawText(p_.font, color, p_.caption, s_.captionRect, kSingleLineCentred);
      return;
    }
    s_.captionRect.top = WrappedTop(extent);
    c_.DrawText(p_.font, color, p_.caption, s_.captionRect, kWrappedCentred);
  }

  // One pixel right and down of the normal caption; a wrapped one two pixels below its last top.
  void PressedCaption(Color color) {
    const TextExtent extent = Measure();
    if (extent.width <= w_) {
      c_.DrawText(p_.font, color, p_.caption, s_.pressedCaptionRect, kSingleLineCentred);
      return;
    }
    s_.pressedCaptionRect.top = s_.captionRect.top + 2;
    c_.DrawText(p_.font, color, p_.caption, s_.pressedCaptionRect, kWrappedCentred);
  }

  Canvas& c_;
  const CommandProperties& p_;
  const CommandPalette& pal_;
  CommandState& s_;
  const int w_;
  const int h_;
  const bool focused_;
  const bool emphasised_;
};

}  // namespace

void PaintButton(Canvas& canvas, const CommandProperties& properties, const CommandPalette& palette,
                 CommandState& state, const PaintConditions& conditions) {
  ButtonPainter(canvas, properties, palette, state, conditions).Paint(conditions);
}

}  // namespace zv::command
