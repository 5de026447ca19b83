// Peers of the controls that are real platform windows.
#pragma once

#include "platform/win32/forms/forms_backend_win32.h"

namespace zv::platform {

class CheckBoxWindowPeer final : public ChildWindowPeer {
 public:
  CheckBoxWindowPeer(Win32FormsBackend& backend, forms::CheckBox& box, HWND parent);
  void OnCommand(WORD code) override;
  HBRUSH OnColor(HDC dc) override;

 private:
  void Mirror(forms::Change what) override;
  forms::CheckBox& box_;
};

class ComboBoxWindowPeer final : public ChildWindowPeer {
 public:
  ComboBoxWindowPeer(Win32FormsBackend& backend, forms::ComboBox& combo, HWND parent);
  void OnCommand(WORD code) override;

 private:
  void Mirror(forms::Change what) override;
  forms::ComboBox& combo_;
};

class TextBoxWindowPeer final : public ChildWindowPeer, public forms::TextBoxPeer {
 public:
  TextBoxWindowPeer(Win32FormsBackend& backend, forms::TextBox& text, HWND parent);
  void Changed(forms::Change what) override;
  std::string ReadText() override;
  void AppendText(std::string_view text) override;
  void SetSelectionStart(std::size_t position) override;
  void OnCommand(WORD code) override;

 private:
  void Mirror(forms::Change what) override;
  forms::TextBox& text_;
};

class ButtonWindowPeer final : public ChildWindowPeer {
 public:
  ButtonWindowPeer(Win32FormsBackend& backend, forms::Button& button, HWND parent);
  void OnCommand(WORD code) override;

 private:
  void Mirror(forms::Change what) override;
  forms::Button& button_;
};

}  // namespace zv::platform
