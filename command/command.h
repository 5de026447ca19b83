// The skinned push button: five looks, three colour schemes, hover tracking, a pressed look,
// focus marks and an access key from its caption, drawn entirely by itself on its surface.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "command/command_state.h"
#include "command/runtime_error.h"
#include "platform/forms/hosted_control.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/timer.h"

namespace zv::command {

// Key events pass their values by reference: the container may change them.
struct KeyEvent {
  int keyCode = 0;
  int shift = 0;
};

class Command : public forms::HostedControl {
 public:
  // Creates the instance (LastButton 1, palette from the default scheme); the host then calls
  // InitProperties for a new instance or ReadProperties for a saved one.
  Command(std::string name, forms::ControlHost& host, int index = -1);

  // Life cycle.
  void InitProperties() override;
  void ReadProperties(const forms::PropertyBag& bag) override;
  void WriteProperties(forms::PropertyBag& bag) const override;
  void OnResize() override;
  void OnTerminate() override;

  // Properties. Each setter redraws as its property needs and notifies the host.
  Color BackColor() const { return properties_.backColor; }
  void SetBackColor(Color color);
  Color ForeColor() const { return properties_.foreColor; }
  void SetForeColor(Color color);
  int Percent() const { return properties_.percent; }
  // kInvalidPropertyValue outside 0..100; the value is then kept and nothing happens.
  RuntimeError SetPercent(int percent);
  Color MidColor() const { return properties_.midColor; }
  void SetMidColor(Color color);
  Color EndColor() const { return properties_.endColor; }
  void SetEndColor(Color color);
  Color MouseMoveMidColor() const { return properties_.mouseMoveMidColor; }
  void SetMouseMoveMidColor(Color color);
  Color MouseMoveEndColor() const { return properties_.mouseMoveEndColor; }
  void SetMouseMoveEndColor(Color color);
  Color MouseDownMidColor() const { return properties_.mouseDownMidColor; }
  void SetMouseDownMidColor(Color color);
  Color MouseDownEndColor() const { return properties_.mouseDownEndColor; }
  void SetMouseDownEndColor(Color color);
  Color OfficeXpFillColor() const { return properties_.officeXpFillColor; }
  void SetOfficeXpFillColor(Color color);
  Color OfficeXpFrameColor() const { return properties_.officeXpFrameColor; }
  void SetOfficeXpFrameColor(Color color);
  Color OfficeXpMousemoveFillColor() const { return properties_.officeXpMousemoveFillColor; }
  void SetOfficeXpMousemoveFillColor(Color color);
  Color OfficeXpMousemoveFrameColor() const { return properties_.officeXpMousemoveFrameColor; }
  void SetOfficeXpMousemoveFrameColor(Color color);
  // Enabled() is the window's enabled state. Change it through this setter, which also
  // redraws and reshapes the button; Control::SetEnabled alone changes only the window.
  void SetEnabled(bool enabled);
  const zv::Font& Font() const { return properties_.font; }
  void SetFont(const zv::Font& font);
  // The handle of the button's own window.
  std::uintptr_t HWnd();
  // Always fails: kSetNotSupportedAtRunTime in run mode, kSetNotPermitted in a designer.
  RuntimeError SetHWnd(std::int32_t value);
  int ButtonType() const { return properties_.buttonType; }
  // Look 4 brings its blue gradient set and a band of 53 percent.
  void SetButtonType(int buttonType);
  const std::string& Caption() const { return properties_.caption; }
  void SetCaption(std::string caption);
  int ColorScheme() const { return properties_.colorScheme; }
  void SetColorScheme(int colorScheme);
  int XpType() const { return properties_.xpType; }
  void SetXpType(int xpType);
  // The hover frame of looks 1 and 2; shows at the next drawing.
  Color RectColor() const { return properties_.rectColor; }
  void SetRectColor(Color color);
  bool ShowFocusRect() const { return properties_.showFocusRect; }
  void SetShowFocusRect(bool show);

  // Paints the whole button for the state (kStateNormal, kStatePressed). Unless forced it does
  // nothing when neither the state nor the caption changed; nothing either before the first resize.
  void DrawButton(std::uint8_t state, bool force);

  // Notifications from the host.
  void OnMouseDown(int button, int shift, float x, float y) override;
  void OnMouseMove(int buttons, int shift, float x, float y) override;
  void OnMouseUp(int button, int shift, float x, float y) override;
  void OnClick() override;
  void OnDblClick() override;
  void OnKeyDown(int keyCode, int shift) override;
  void OnKeyPress(int keyAscii) override;
  void OnKeyUp(int keyCode, int shift) override;
  void OnGotFocus() override;
  void OnLostFocus() override;
  void OnAccessKey() override;
  // An ambient property of the container (its font, the default-button flag) changed.
  void OnAmbientChanged();

  // "&" and the access key, for the backend's mnemonic handling; empty without one.
  std::string AccessText() const override;
  // The arrow keys reach the button, which moves the focus itself after raising KeyDown.
  bool WantsArrows() const override { return true; }

  // Events to the container besides Click and the mouse events of Control; MouseOut follows
  // the end of a hover.
  std::function<void(KeyEvent&)> onKeyDown;
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(KeyEvent&)> onKeyUp;
  std::function<void()> onMouseOut;

  // For inspection by tests and tools.
  const CommandState& InternalState() const { return state_; }
  const CommandPalette& Palette() const { return palette_; }
  const std::string& AccessKey() const { return accessKey_; }
  const forms::Timer& HoverTimer() const { return timer1_; }

 private:
  void UpdatePalette();
  void UpdateAccessKey();
  // Client size, caption and focus rectangles, window region, then a forced redraw.
  void HandleResize();
  void Redraw() { DrawButton(state_.state, true); }
  void HandleMouseDown(int button, int shift, float x, float y);
  void HandleMouseUp(int button, int shift, float x, float y);
  void HandleClick();
  void HoverTimerTick();
  // Stores a colour property, redraws and notifies.
  void SetDrawnColor(Color& field, Color value, const char* name);

  forms::ControlHost& host_;
  CommandProperties properties_;
  CommandPalette palette_;
  CommandState state_;
  std::string accessKey_;
  forms::Timer timer1_;
};

}  // namespace zv::command
