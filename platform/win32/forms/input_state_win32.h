// The shift state and held buttons of mouse and key messages, as the forms model counts them,
// and the window state every real control mirrors from its model.
#pragma once

#include "platform/forms/control.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {

// From a mouse message's wParam.
inline int MouseShiftState(WPARAM keys) {
  int shift = 0;
  if (keys & MK_SHIFT) shift |= forms::kShiftMask;
  if (keys & MK_CONTROL) shift |= forms::kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= forms::kAltMask;
  return shift;
}

// For key messages, from the keyboard state.
inline int KeyShiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= forms::kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= forms::kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= forms::kAltMask;
  return shift;
}

// Sent to a window of the program for a key pressed in it, before the dialog navigation sees the key
// (wParam the virtual key, lParam its KeyShiftState): a form that takes the key answers nonzero; every other
// window answers 0, as DefWindowProc does.
constexpr UINT kPreviewKeyMessage = WM_APP + 0x60;

inline int HeldButtons(WPARAM keys) {
  int buttons = 0;
  if (keys & MK_LBUTTON) buttons |= forms::kLeftButton;
  if (keys & MK_RBUTTON) buttons |= forms::kRightButton;
  if (keys & MK_MBUTTON) buttons |= forms::kMiddleButton;
  return buttons;
}

// Visibility, enabled state and bounds of a child window; false for any other change.
inline bool MirrorChildWindow(HWND window, const forms::Control& control, forms::Change what) {
  switch (what) {
    case forms::Change::Visible:
      ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
      return true;
    case forms::Change::Enabled:
      EnableWindow(window, control.Enabled());
      return true;
    case forms::Change::Bounds: {
      const Rect r = control.PixelBounds();
      SetWindowPos(window, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zv::platform
