// The skinned button's life cycle: creation, new and saved instances, resizing, the drawing
// entry point and the end of the instance.
#include "command/command.h"

#include "command/button_drawing.h"
#include "command/drawing_primitives.h"
#include "command/palette.h"

namespace zv::command {
namespace {

using forms::PropertyBag;

// Colours are stored as 32-bit integers.
void WriteColor(PropertyBag& bag, const char* name, Color value, Color fallback) {
  bag.Write(name, static_cast<std::int32_t>(value), static_cast<std::int32_t>(fallback));
}

void WriteInt32(PropertyBag& bag, const char* name, std::int32_t value, std::int32_t fallback) {
  bag.Write(name, value, fallback);
}

}  // namespace

std::string_view ErrorText(RuntimeError error) {
  switch (error) {
    case RuntimeError::kNone:
      return {};
    case RuntimeError::kInvalidPropertyValue:
      return "Invalid property value";
    case RuntimeError::kSetNotSupportedAtRunTime:
      return "Set not supported at run time";
    case RuntimeError::kSetNotPermitted:
      return "Set not permitted";
  }
  return "Application-defined or object-defined error";
}

Command::Command(std::string name, forms::ControlHost& host, int index)
    : HostedControl(host, std::move(name), index), host_(host), timer1_(host.Timers(), "Timer1") {
  timer1_.SetInterval(10);
  timer1_.onTimer = [this] { HoverTimerTick(); };
  UpdatePalette();
}

void Command::InitProperties() {
  forms::SystemColors& colors = host_.Colors();
  zv::Font font = properties_.font;  // the surface's font stays the caption font
  properties_ = CommandProperties{};
  properties_.font = std::move(font);
  properties_.backColor = colors.Get(syscolor::kButtonFace);
  properties_.foreColor = colors.Get(syscolor::kButtonText);
  properties_.caption = Name();
  Control::SetEnabled(true);
  state_.state = kStateNormal;
}

void Command::ReadProperties(const PropertyBag& bag) {
  forms::SystemColors& colors = host_.Colors();
  CommandProperties& p = properties_;
  p.backColor = bag.ReadColor("BackColor", colors.Get(syscolor::kButtonFace));
  p.foreColor = bag.ReadColor("ForeColor", colors.Get(syscolor::kButtonText));
  const bool enabled = bag.ReadBool("Enabled", true);
  p.font = bag.ReadFont("Font", AmbientFont());
  p.storedHWnd = bag.ReadInt32("hWnd", 0);
  p.buttonType = bag.ReadInt32("ButtonType", defaults::kButtonType);
  p.xpType = bag.ReadInt32("XpType", defaults::kXpType);
  p.caption = bag.ReadString("Caption", defaults::kCaption);
  p.colorScheme = bag.ReadInt32("ColorScheme", defaults::kColorScheme);
  p.showFocusRect = bag.ReadBool("ShowFocusRect", true);

  Control::SetEnabled(enabled);
  UpdatePalette();
  UpdateAccessKey();

  // Read after the palette, so that saved (or default) colours replace what it put there.
  p.rectColor = bag.ReadColor("rectcolor", defaults::kRectColor);
  p.percent = bag.ReadInt16("Percent", defaults::kPercent);
  p.midColor = bag.ReadColor("MidColor", defaults::kMidColor);
  p.endColor = bag.ReadColor("EndColor", defaults::kEndColor);
  p.mouseMoveEndColor = bag.ReadColor("MouseMoveEndColor", defaults::kMouseMoveEndColor);
  p.mouseMoveMidColor = bag.ReadColor("MouseMoveMidColor", defaults::kMouseMoveMidColor);
  p.mouseDownEndColor = bag.ReadColor("MouseDownEndColor", defaults::kMouseDownEndColor);
  p.mouseDownMidColor = bag.ReadColor("MouseDownMidColor", defaults::kMouseDownMidColor);
  p.officeXpFillColor = bag.ReadColor("OfficeXpFillColor", defaults::kOfficeXpFillColor);
  p.officeXpFrameColor = bag.ReadColor("OfficeXpFrameColor", defaults::kOfficeXpFrameColor);
  p.officeXpMousemoveFillColor =
      bag.ReadColor("OfficeXpMousemoveFillColor", defaults::kOfficeXpMousemoveFillColor);
  p.officeXpMousemoveFrameColor =
      bag.ReadColor("OfficeXpMousemoveFrameColor", defaults::kOfficeXpMousemoveFrameColor);

  state_.state = kStateNormal;
  DrawButton(kStateNormal, true);
}

void Command::WriteProperties(PropertyBag& bag) const {
  forms::SystemColors& colors = host_.Colors();
  const CommandProperties& p = properties_;
  WriteColor(bag, "BackColor", p.backColor, colors.Get(syscolor::kButtonFace));
  WriteColor(bag, "ForeColor", p.foreColor, colors.Get(syscolor::kButtonText));
  bag.Write("Enabled", Enabled(), true);
  bag.Write("Font", p.font, AmbientFont());
  WriteInt32(bag, "hWnd", p.storedHWnd, 0);
  WriteInt32(bag, "ButtonType", p.buttonType, defaults::kButtonType);
  WriteInt32(bag, "XpType", p.xpType, defaults::kXpType);
  bag.Write("Caption", p.caption, std::string(defaults::kCaption));
  WriteInt32(bag, "ColorScheme", p.colorScheme, defaults::kColorScheme);
  bag.Write("ShowFocusRect", p.showFocusRect, true);
  WriteColor(bag, "rectcolor", p.rectColor, defaults::kRectColor);
  bag.Write("Percent", p.percent, std::int16_t{defaults::kPercent});
  WriteColor(bag, "MidColor", p.midColor, defaults::kMidColor);
  WriteColor(bag, "EndColor", p.endColor, defaults::kEndColor);
  WriteColor(bag, "MouseMoveMidColor", p.mouseMoveMidColor, defaults::kMouseMoveMidColor);
  WriteColor(bag, "MouseMoveEndColor", p.mouseMoveEndColor, defaults::kMouseMoveEndColor);
  WriteColor(bag, "MouseDownMidColor", p.mouseDownMidColor, defaults::kMouseDownMidColor);
  WriteColor(bag, "MouseDownEndColor", p.mouseDownEndColor, defaults::kMouseDownEndColor);
  WriteColor(bag, "OfficeXpFillColor", p.officeXpFillColor, defaults::kOfficeXpFillColor);
  WriteColor(bag, "OfficeXpFrameColor", p.officeXpFrameColor, defaults::kOfficeXpFrameColor);
  WriteColor(bag, "OfficeXpMousemoveFillColor", p.officeXpMousemoveFillColor,
             defaults::kOfficeXpMousemoveFillColor);
  WriteColor(bag, "OfficeXpMousemoveFrameColor", p.officeXpMousemoveFrameColor,
             defaults::kOfficeXpMousemoveFrameColor);
}

void Command::OnResize() { HandleResize(); }

void Command::OnTerminate() {
  // The window owns the region it was given, and releases it with itself.
  timer1_.SetEnabled(false);
}

void Command::HandleResize() {
  forms::HostedSurface* surface = Surface();
  const Canvas* canvas = surface ? surface->GetCanvas() : nullptr;
  if (canvas != nullptr) {
    state_.width = canvas->Width();
    state_.height = canvas->Height();
  } else {
    const Rect bounds = PixelBounds();
    state_.width = bounds.Width();
    state_.height = bounds.Height();
  }
  const int w = state_.width;
  const int h = state_.height;
  state_.captionRect.right = w;
  state_.captionRect.bottom = h;
  state_.pressedCaptionRect.right = w;
  state_.pressedCaptionRect.bottom = h;
  state_.focusRect = {2, 2, w - 2, h - 2};
  if (surface != nullptr) surface->SetRegion(BuildRegion(properties_.buttonType, w, h));
  Redraw();
}

void Command::DrawButton(std::uint8_t state, bool force) {
  const bool unchanged = properties_.caption == state_.lastCaption && state == state_.state;
  if ((!force && unchanged) || state_.height == 0) return;
  state_.state = state;
  state_.lastCaption = properties_.caption;

  forms::HostedSurface* surface = Surface();
  Canvas* canvas = surface ? surface->GetCanvas() : nullptr;
  if (canvas == nullptr) return;
  PaintButton(*canvas, properties_, palette_, state_, {state, Enabled(), DisplayAsDefault()});
  surface->Present();
}

void Command::UpdatePalette() { command::UpdatePalette(properties_, palette_, host_.Colors()); }

void Command::UpdateAccessKey() { accessKey_ = AccessKeyOf(properties_.caption); }

std::string Command::AccessText() const { return accessKey_.empty() ? std::string() : "&" + accessKey_; }

}  // namespace zv::command
