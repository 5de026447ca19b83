// The skinned button's property setters: each stores its value, does what the property needs
// (palette, access key, region, redraw) and then tells the host that it changed.
#include <utility>

#include "command/command.h"
#include "command/palette.h"

namespace zv::command {

void Command::SetDrawnColor(Color& field, Color value, const char* name) {
  field = value;
  Redraw();
  host_.PropertyChanged(name);
}

void Command::SetBackColor(Color color) {
  properties_.backColor = color;
  UpdatePalette();
  Redraw();
  host_.PropertyChanged("BackColor");
}

void Command::SetForeColor(Color color) {
  properties_.foreColor = color;
  UpdatePalette();
  Redraw();
  host_.PropertyChanged("ForeColor");
}

void Command::SetColorScheme(int colorScheme) {
  properties_.colorScheme = colorScheme;
  UpdatePalette();
  Redraw();
  host_.PropertyChanged("ColorScheme");
}

RuntimeError Command::SetPercent(int percent) {
  if (percent < 0 || percent > 100) return RuntimeError::kInvalidPropertyValue;
  properties_.percent = static_cast<std::int16_t>(percent);
  Redraw();
  host_.PropertyChanged("Percent");
  return RuntimeError::kNone;
}

void Command::SetMidColor(Color color) { SetDrawnColor(properties_.midColor, color, "MidColor"); }
void Command::SetEndColor(Color color) { SetDrawnColor(properties_.endColor, color, "EndColor"); }
void Command::SetMouseMoveMidColor(Color color) {
  SetDrawnColor(properties_.mouseMoveMidColor, color, "MouseMoveMidColor");
}
void Command::SetMouseMoveEndColor(Color color) {
  SetDrawnColor(properties_.mouseMoveEndColor, color, "MouseMoveEndColor");
}
void Command::SetMouseDownMidColor(Color color) {
  SetDrawnColor(properties_.mouseDownMidColor, color, "MouseDownMidColor");
}
void Command::SetMouseDownEndColor(Color color) {
  SetDrawnColor(properties_.mouseDownEndColor, color, "MouseDownEndColor");
}
void Command::SetOfficeXpFillColor(Color color) {
  SetDrawnColor(properties_.officeXpFillColor, color, "OfficeXpFillColor");
}
void Command::SetOfficeXpFrameColor(Color color) {
  SetDrawnColor(properties_.officeXpFrameColor, color, "OfficeXpFrameColor");
}
void Command::SetOfficeXpMousemoveFillColor(Color color) {
  SetDrawnColor(properties_.officeXpMousemoveFillColor, color, "OfficeXpMousemoveFillColor");
}
void Command::SetOfficeXpMousemoveFrameColor(Color color) {
  SetDrawnColor(properties_.officeXpMousemoveFrameColor, color, "OfficeXpMousemoveFrameColor");
}

void Command::SetXpType(int xpType) {
  properties_.xpType = xpType;
  Redraw();
  host_.PropertyChanged("XpType");
}

void Command::SetShowFocusRect(bool show) {
  properties_.showFocusRect = show;
  Redraw();
  host_.PropertyChanged("ShowFocusRect");
}

void Command::SetCaption(std::string caption) {
  properties_.caption = std::move(caption);
  UpdateAccessKey();
  Redraw();
  host_.PropertyChanged("Caption");
}

void Command::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  HandleResize();
  host_.PropertyChanged("Enabled");
}

void Command::SetButtonType(int buttonType) {
  properties_.buttonType = buttonType;
  UpdatePalette();
  if (buttonType == look::kGlossy) ApplyGlossyBlueSet(properties_);
  HandleResize();
  host_.PropertyChanged("ButtonType");
}

void Command::SetRectColor(Color color) {
  properties_.rectColor = color;
  host_.PropertyChanged("rectcolor");
}

void Command::SetFont(const zv::Font& font) {
  properties_.font = font;
  Redraw();
  host_.PropertyChanged("Font");
}

std::uintptr_t Command::HWnd() {
  forms::HostedSurface* surface = Surface();
  return surface ? surface->WindowHandle() : 0;
}

RuntimeError Command::SetHWnd(std::int32_t /*value*/) {
  return host_.UserMode() ? RuntimeError::kSetNotSupportedAtRunTime : RuntimeError::kSetNotPermitted;
}

}  // namespace zv::command
