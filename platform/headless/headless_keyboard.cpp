// Focus and keystroke routing of the headless runtime.
#include "platform/headless/headless_keyboard.h"

#include "platform/forms/controls.h"
#include "platform/forms/hosted_control.h"
#include "platform/forms/keys.h"
#include "platform/forms/tab_order.h"
#include "platform/headless/headless_surface.h"

namespace zv::headless {
namespace {

forms::HostedControl* AsHosted(forms::Control* c) {
  return c != nullptr && c->Kind() == forms::ControlKind::Hosted ? static_cast<forms::HostedControl*>(c)
                                                                 : nullptr;
}

void MarkFocus(forms::HostedControl& control, bool focused) {
  if (auto* surface = dynamic_cast<HeadlessSurface*>(control.Surface())) surface->focused = focused;
}

}  // namespace

void HeadlessKeyboard::SetFocus(forms::Control* control) {
  if (control == focus_) return;
  forms::Control* previous = focus_;
  focus_ = control;
  spacePushed_ = nullptr;
  if (forms::HostedControl* lost = AsHosted(previous)) {
    MarkFocus(*lost, false);
    lost->OnLostFocus();
  }
  if (forms::HostedControl* got = AsHosted(control)) {
    MarkFocus(*got, true);
    got->OnGotFocus();
  }
}

void HeadlessKeyboard::Forget(const forms::Control& control) {
  if (focus_ == &control) focus_ = nullptr;
  if (spacePushed_ == &control) spacePushed_ = nullptr;
}

void HeadlessKeyboard::Press(forms::Form& form, int keyCode, int modifiers) {
  Queue(form, keyCode, modifiers);
  Drain();
}

void HeadlessKeyboard::Send(forms::Form& form, int keyCode, int modifiers) {
  Press(form, keyCode, modifiers);
}

void HeadlessKeyboard::Queue(forms::Form& form, int keyCode, int modifiers) {
  const bool shift = (modifiers & forms::kShiftMask) != 0;
  const bool control = (modifiers & forms::kCtrlMask) != 0;
  if (control) queue_.push_back({&form, forms::key::kControl, true});
  if (shift) queue_.push_back({&form, forms::key::kShift, true});
  queue_.push_back({&form, keyCode, true});
  queue_.push_back({&form, keyCode, false});
  if (shift) queue_.push_back({&form, forms::key::kShift, false});
  if (control) queue_.push_back({&form, forms::key::kControl, false});
}

// Handlers may send keystrokes; they wait for the ones before them, as in the platform's queue.
void HeadlessKeyboard::Drain() {
  if (draining_) return;
  draining_ = true;
  while (!queue_.empty()) {
    const Stroke stroke = queue_.front();
    queue_.pop_front();
    if (stroke.down) {
      Down(stroke);
    } else {
      Up(stroke);
    }
  }
  draining_ = false;
}

void HeadlessKeyboard::Down(const Stroke& stroke) {
  const int keyCode = stroke.keyCode;
  if (keyCode == forms::key::kShift) shift_ |= forms::kShiftMask;
  if (keyCode == forms::key::kControl) shift_ |= forms::kCtrlMask;
  if (stroke.form->onKeyPreview && stroke.form->onKeyPreview(keyCode, shift_)) return;
  if (keyCode == forms::key::kTab) {
    if (forms::Control* next = forms::NextTabStop(*stroke.form, focus_, shift_ & forms::kShiftMask))
      SetFocus(next);
    return;
  }
  forms::Control* target = focus_;
  if (forms::HostedControl* hosted = AsHosted(target)) {
    // Without the arrows, they would move within a group of controls, which is not modelled.
    if (forms::key::IsArrow(keyCode) && !hosted->WantsArrows()) return;
    hosted->OnKeyDown(keyCode, shift_);
    if (const int ch = forms::key::CharacterOf(keyCode)) hosted->OnKeyPress(ch);
    return;
  }
  const bool pushable = target != nullptr && (target->Kind() == forms::ControlKind::CheckBox ||
                                              target->Kind() == forms::ControlKind::Button);
  if (keyCode == forms::key::kSpace && pushable) spacePushed_ = target;
}

void HeadlessKeyboard::Up(const Stroke& stroke) {
  const int keyCode = stroke.keyCode;
  if (keyCode == forms::key::kShift) shift_ &= ~forms::kShiftMask;
  if (keyCode == forms::key::kControl) shift_ &= ~forms::kCtrlMask;
  forms::Control* target = focus_;
  if (forms::HostedControl* hosted = AsHosted(target)) {
    hosted->OnKeyUp(keyCode, shift_);
    return;
  }
  if (keyCode != forms::key::kSpace || target == nullptr || target != spacePushed_) return;
  spacePushed_ = nullptr;
  if (target->Kind() == forms::ControlKind::CheckBox) {
    static_cast<forms::CheckBox*>(target)->UserToggle();
  } else {
    target->RaiseClick();
  }
}

}  // namespace zv::headless
