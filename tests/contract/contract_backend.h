// What the contract tests of the forms runtime ask of a backend: build and show a form, drive it as a
// user would (keys, clicks, typing), run its event loop and read back what the screen shows. One
// implementation per backend; the same tests run against each.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/forms/controls.h"
#include "platform/forms/definition.h"
#include "platform/forms/form.h"

namespace zv::contract {

class ContractBackend {
 public:
  virtual ~ContractBackend() = default;
  // "headless" or "win32", for the tests that must skip on one of them.
  virtual std::string Name() const = 0;
  virtual forms::Runtime& Runtime() = 0;

  // Builds the form from the definition (self-drawn controls from the factory), loads and shows it.
  // The backend keeps it until it is destroyed itself.
  virtual forms::Form& Open(const forms::FormDefinition& definition,
                            const forms::HostedFactory& hosted = {}) = 0;

  // Gives the control the keyboard focus, as the program would.
  virtual void Focus(forms::Control& control) = 0;
  // The name of the control that has the focus; empty when no control of an open form has it.
  virtual std::string FocusedName() = 0;
  // The user presses and releases a key (forms::key codes), holding the keys of `modifiers` (kShiftMask,
  // kCtrlMask) around it; returns when the keystroke and whatever it caused have been handled.
  virtual void PressKey(int keyCode, int modifiers = 0) = 0;
  // The user clicks the middle of the control with the left button.
  virtual void Click(forms::Control& control) = 0;
  // The user puts the caret at the end of the box's text and types the text there.
  virtual void TypeAtEnd(forms::TextBox& box, std::string_view text) = 0;

  // Runs the event loop (the runtime's DoEvents, and waiting for events when none are pending) until
  // `done` holds; false when it did not within a generous time (real or virtual).
  virtual bool PumpUntil(const std::function<bool()>& done) = 0;
  // Runs the event loop for about this long.
  virtual void PumpFor(int milliseconds) = 0;
  // Closes the message box that is open (called from inside its loop, by an event handler).
  virtual void CloseMessageBox() = 0;
  // The system moves the form to a screen of another dpi (WM_DPICHANGED on Win32).
  virtual void MoveToDpi(forms::Form& form, int dpi) = 0;

  // What the screen shows.
  virtual int ShownCheckState(forms::CheckBox& box) = 0;  // 0, 1 or 2 (grey)
  virtual bool ShownFlat(forms::CheckBox& box) = 0;
  // Whether the control's window takes input.
  virtual bool ShownEnabled(forms::Control& control) = 0;
  virtual Size ShownClientSize(forms::Form& form) = 0;
  // Where a windowed control is, in its parent's client area.
  virtual Rect ShownBounds(forms::Control& control) = 0;
  // The height of the font a platform control draws its text in (LOGFONT's lfHeight); 0 where the
  // backend has no such font.
  virtual int ShownFontHeight(forms::Control& control) = 0;
  virtual std::string ShownText(forms::TextBox& box) = 0;
  virtual std::size_t ShownCaret(forms::TextBox& box) = 0;  // UTF-8 bytes before the caret
  // How often the surface (a form or a page) has been painted since it was opened, once every pending
  // paint has been done.
  virtual int Paints(forms::Container& surface) = 0;
};

std::unique_ptr<ContractBackend> MakeContractBackend();

}  // namespace zv::contract
