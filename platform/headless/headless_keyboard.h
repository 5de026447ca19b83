// The keyboard of the headless runtime: one focus, and keystrokes routed as the platform's dialog
// navigation routes them (Tab and Shift+Tab move the focus along the tab order, every other key goes to
// the control with the focus), so that tests see what the real windows would do.
#pragma once

#include <deque>

#include "platform/forms/form.h"

namespace zv::headless {

class HeadlessKeyboard {
 public:
  // The control with the focus; null when the window itself has it.
  forms::Control* Focused() const { return focus_; }
  // Moves the focus; self-drawn controls are told that they lost or gained it.
  void SetFocus(forms::Control* control);
  // The focus leaves this control (it goes away).
  void Forget(const forms::Control& control);

  // The user presses and releases a key in the form, holding the keys of `modifiers` (kShiftMask,
  // kCtrlMask) around it: down, the character it types, up. Keystrokes sent while it is handled follow it.
  void Press(forms::Form& form, int keyCode, int modifiers = 0);
  // Keystrokes sent by the program: queued behind those being handled, as the platform queues them.
  void Send(forms::Form& form, int keyCode, int modifiers = 0);
  int ShiftState() const { return shift_; }

 private:
  struct Stroke {
    forms::Form* form;
    int keyCode;
    bool down;
  };
  void Queue(forms::Form& form, int keyCode, int modifiers);
  void Drain();
  void Down(const Stroke& stroke);
  void Up(const Stroke& stroke);

  std::deque<Stroke> queue_;
  bool draining_ = false;
  forms::Control* focus_ = nullptr;
  // A check box or button pushed by the space bar, clicked when it comes up.
  forms::Control* spacePushed_ = nullptr;
  int shift_ = 0;
};

}  // namespace zv::headless
