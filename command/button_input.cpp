// The skinned button's input: mouse, keyboard, focus and access key turned into state, redraws
// and events to the container; the hover timer that notices the pointer leaving.
#include "command/command.h"

namespace zv::command {
namespace {

constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;

}  // namespace

void Command::HandleMouseDown(int button, int shift, float x, float y) {
  state_.lastButton = static_cast<std::uint8_t>(button);
  if (button != forms::kRightButton) state_.state = kStatePressed;
  Redraw();
  forms::MouseEvent event{button, shift, x, y};
  if (onMouseDown) onMouseDown(event);
}

void Command::HandleMouseUp(int button, int shift, float x, float y) {
  if (button != forms::kRightButton) state_.state = kStateNormal;
  Redraw();
  forms::MouseEvent event{button, shift, x, y};
  if (onMouseUp) onMouseUp(event);
}

void Command::HandleClick() {
  if (state_.lastButton == forms::kLeftButton) state_.state = kStateNormal;
  Redraw();
  if (forms::HostedSurface* surface = Surface()) surface->Present();
  RaiseClick();
}

void Command::OnMouseDown(int button, int shift, float x, float y) {
  if (Enabled()) HandleMouseDown(button, shift, x, y);
}

void Command::OnMouseUp(int button, int shift, float x, float y) {
  if (Enabled()) HandleMouseUp(button, shift, x, y);
}

void Command::OnMouseMove(int buttons, int shift, float x, float y) {
  if (!Enabled() || (buttons != 0 && buttons != forms::kLeftButton)) return;
  timer1_.SetEnabled(true);
  const bool inside = x >= 0 && x <= state_.width && y >= 0 && y <= state_.height;
  if (!inside) return;
  forms::MouseEvent event{buttons, shift, x, y};
  if (onMouseMove) onMouseMove(event);
  // The container may have changed the button it was told about.
  if (event.button == forms::kLeftButton) {
    DrawButton(kStatePressed, false);
  } else if (!state_.hover) {
    state_.hover = true;
    DrawButton(kStateNormal, true);
  }
}

void Command::HoverTimerTick() {
  // Inclusive of the right and bottom edge; the window region and covering windows play no part.
  forms::HostedSurface* surface = Surface();
  if (surface == nullptr) return;
  const Point p = surface->CursorInClient();
  const bool inside = p.x >= 0 && p.y >= 0 && p.x <= state_.width && p.y <= state_.height;
  if (inside) return;
  timer1_.SetEnabled(false);
  if (onMouseOut) onMouseOut();
  state_.hover = false;
  DrawButton(kStateNormal, true);
}

void Command::OnClick() {
  if (Enabled()) HandleClick();
}

void Command::OnDblClick() {
  if (Enabled() && state_.lastButton == forms::kLeftButton) HandleMouseDown(1, 1, 1, 1);
}

void Command::OnKeyDown(int keyCode, int shift) {
  if (!Enabled()) return;
  KeyEvent event{keyCode, shift};
  if (onKeyDown) onKeyDown(event);
  state_.lastKey = static_cast<std::uint8_t>(event.keyCode);
  switch (event.keyCode) {
    case kSpace:
      HandleMouseDown(1, 1, 1, 1);
      break;
    case kRight:
    case kDown:
      if (forms::HostedSurface* surface = Surface()) surface->SendTab(false);
      break;
    case kLeft:
    case kUp:
      if (forms::HostedSurface* surface = Surface()) surface->SendTab(true);
      break;
    default:
      break;
  }
}

void Command::OnKeyPress(int keyAscii) {
  if (!Enabled()) return;
  if (onKeyPress) onKeyPress(keyAscii);
}

void Command::OnKeyUp(int keyCode, int shift) {
  if (!Enabled()) return;
  KeyEvent event{keyCode, shift};
  if (onKeyUp) onKeyUp(event);
  if (state_.lastKey != kSpace || event.keyCode != kSpace) return;
  HandleMouseUp(1, 1, 1, 1);
  state_.lastButton = forms::kLeftButton;
  HandleClick();
}

void Command::OnGotFocus() {
  state_.hasFocus = true;
  Redraw();
}

void Command::OnLostFocus() {
  state_.hasFocus = false;
  Redraw();
}

void Command::OnAccessKey() {
  if (Enabled()) HandleClick();
}

void Command::OnAmbientChanged() { Redraw(); }

}  // namespace zv::command
