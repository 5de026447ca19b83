// Client-area mouse messages of this program's windows, as the forms model takes them.
#pragma once

#include <windowsx.h>

#include <optional>

#include "platform/geometry.h"
#include "platform/win32/forms/input_state_win32.h"

namespace zv::platform {

enum class MouseAction { Move, Press, Release, DoubleClick };

struct MouseInput {
  MouseAction action = MouseAction::Move;
  int button = 0;  // the button pressed, released or double-clicked; 0 for a move
  int held = 0;    // the buttons down, as HeldButtons counts them
  int shift = 0;
  Point at;  // client pixels
};

// Nothing for any other message, nor for a middle-button double click, which the windows leave to the
// default procedure.
inline std::optional<MouseInput> TranslateMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
  auto input = [&](MouseAction action, int button) {
    return MouseInput{action,
                      button,
                      HeldButtons(wParam),
                      MouseShiftState(wParam),
                      {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}};
  };
  switch (msg) {
    case WM_MOUSEMOVE:
      return input(MouseAction::Move, 0);
    case WM_LBUTTONDOWN:
      return input(MouseAction::Press, forms::kLeftButton);
    case WM_RBUTTONDOWN:
      return input(MouseAction::Press, forms::kRightButton);
    case WM_MBUTTONDOWN:
      return input(MouseAction::Press, forms::kMiddleButton);
    case WM_LBUTTONUP:
      return input(MouseAction::Release, forms::kLeftButton);
    case WM_RBUTTONUP:
      return input(MouseAction::Release, forms::kRightButton);
    case WM_MBUTTONUP:
      return input(MouseAction::Release, forms::kMiddleButton);
    case WM_LBUTTONDBLCLK:
      return input(MouseAction::DoubleClick, forms::kLeftButton);
    case WM_RBUTTONDBLCLK:
      return input(MouseAction::DoubleClick, forms::kRightButton);
    default:
      return std::nullopt;
  }
}

}  // namespace zv::platform
