// The platform's own controls behind check boxes, drop-down lists, text boxes and buttons.
#include "platform/win32/forms/control_peers_win32.h"

#include "platform/win32/forms/input_state_win32.h"
#include "platform/win32/text_win32.h"

namespace zv::platform {

void ChildWindowPeer::Create(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                             const std::string& text, const Font& font, int extraHeight) {
  font_ = font;
  extraHeight_ = extraHeight;
  style |= WS_CHILD;
  if (control_.TabStop()) style |= WS_TABSTOP;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  const Rect r = PlacedBounds();
  hwnd_ = CreateWindowExW(exStyle, windowClass, Widen(text).c_str(), style, r.left, r.top, r.Width(),
                          r.Height(), parent, nullptr, backend_.Instance(), nullptr);
  if (hwnd_ != nullptr) ApplyFont();
}

Rect ChildWindowPeer::PlacedBounds() const {
  Rect r = control_.PixelBounds();
  r.bottom += TwipsToPixels(PixelsToTwips(extraHeight_), control_.Dpi());
  return r;
}

void ChildWindowPeer::Place() {
  const Rect r = PlacedBounds();
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildWindowPeer::ApplyFont() {
  fontDpi_ = control_.Dpi();
  SendMessageW(hwnd_, WM_SETFONT,
               reinterpret_cast<WPARAM>(backend_.Resources().FontFor(font_.AtDpi(fontDpi_))), TRUE);
}

void ChildWindowPeer::Changed(forms::Change what) {
  if (hwnd_ == nullptr) return;
  updating_ = true;
  if (what == forms::Change::Bounds) {
    Place();
    if (control_.Dpi() != fontDpi_) ApplyFont();
  } else if (!MirrorChildWindow(hwnd_, control_, what)) {
    Mirror(what);
  }
  updating_ = false;
}

HBRUSH ChildWindowPeer::OnColor(HDC dc) {
  const COLORREF back = backend_.Resolve(0x80000005u);
  SetBkColor(dc, back);
  return backend_.Resources().BrushFor(back);
}

CheckBoxWindowPeer::CheckBoxWindowPeer(Win32FormsBackend& backend, forms::CheckBox& box, HWND parent)
    : ChildWindowPeer(backend, box), box_(box) {
  // Three states, so that a grey value shows grey; the model decides what a click makes of it.
  Create(parent, L"BUTTON", BS_3STATE | (box.Flat() ? BS_FLAT : 0), 0, box.Caption(), box.GetFont());
  Mirror(forms::Change::Value);
}

void CheckBoxWindowPeer::Mirror(forms::Change what) {
  if (what == forms::Change::Caption) SetWindowTextW(hwnd_, Widen(box_.Caption()).c_str());
  if (what == forms::Change::Style) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    SetWindowLongPtrW(hwnd_, GWL_STYLE, box_.Flat() ? (style | BS_FLAT) : (style & ~LONG_PTR{BS_FLAT}));
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
  if (what == forms::Change::Value) {
    const WPARAM state =
        box_.Value() == 1 ? BST_CHECKED : (box_.Value() == 2 ? BST_INDETERMINATE : BST_UNCHECKED);
    SendMessageW(hwnd_, BM_SETCHECK, state, 0);
  }
}

void CheckBoxWindowPeer::OnCommand(WORD code) {
  if (code == BN_CLICKED && !updating_) box_.UserToggle();
}

HBRUSH CheckBoxWindowPeer::OnColor(HDC dc) {
  const COLORREF back = backend_.Resolve(box_.BackColor());
  SetBkColor(dc, back);
  SetTextColor(dc, backend_.Resolve(box_.ForeColor()));
  return backend_.Resources().BrushFor(back);
}

ComboBoxWindowPeer::ComboBoxWindowPeer(Win32FormsBackend& backend, forms::ComboBox& combo, HWND parent)
    : ChildWindowPeer(backend, combo), combo_(combo) {
  // The window of a drop-down list includes its list.
  Create(parent, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, "", combo.GetFont(), 160);
  Mirror(forms::Change::Items);
}

void ComboBoxWindowPeer::Mirror(forms::Change what) {
  if (what == forms::Change::Items) {
    SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : combo_.Items()) {
      SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
  }
  if (what == forms::Change::Items || what == forms::Change::Text) {
    SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.SelectedIndex()), 0);
  }
}

void ComboBoxWindowPeer::OnCommand(WORD code) {
  if (code == CBN_SELCHANGE && !updating_) {
    combo_.UserSelected(static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)));
  }
}

TextBoxWindowPeer::TextBoxWindowPeer(Win32FormsBackend& backend, forms::TextBox& text, HWND parent)
    : ChildWindowPeer(backend, text), text_(text) {
  Create(parent, L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, 0, "", text.GetFont());
  // The default limit of about 32,000 characters would make appends fail silently.
  SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
}

std::string TextBoxWindowPeer::ReadText() {
  if (hwnd_ == nullptr) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

void TextBoxWindowPeer::AppendText(std::string_view text) {
  if (hwnd_ == nullptr) return;
  updating_ = true;
  const int end = GetWindowTextLengthW(hwnd_);
  SendMessageW(hwnd_, EM_SETSEL, end, end);
  SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
  updating_ = false;
}

void TextBoxWindowPeer::SetSelectionStart(std::size_t position) {
  if (hwnd_ == nullptr) return;
  // The model counts UTF-8 bytes, the control UTF-16 units; the end needs no counting.
  const std::string& text = text_.Text();
  const auto units = position >= text.size()
                         ? static_cast<WPARAM>(GetWindowTextLengthW(hwnd_))
                         : static_cast<WPARAM>(Widen(std::string_view(text).substr(0, position)).size());
  SendMessageW(hwnd_, EM_SETSEL, units, units);
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

void TextBoxWindowPeer::Changed(forms::Change what) { ChildWindowPeer::Changed(what); }

void TextBoxWindowPeer::Mirror(forms::Change what) {
  if (what == forms::Change::Text) SetWindowTextW(hwnd_, Widen(text_.Text()).c_str());
}

void TextBoxWindowPeer::OnCommand(WORD code) {
  if (code == EN_CHANGE && !updating_) text_.UserEdited();
}

ButtonWindowPeer::ButtonWindowPeer(Win32FormsBackend& backend, forms::Button& button, HWND parent)
    : ChildWindowPeer(backend, button), button_(button) {
  Create(parent, L"BUTTON", BS_PUSHBUTTON, 0, button.Caption(), button.GetFont());
}

void ButtonWindowPeer::Mirror(forms::Change what) {
  if (what == forms::Change::Caption) SetWindowTextW(hwnd_, Widen(button_.Caption()).c_str());
}

void ButtonWindowPeer::OnCommand(WORD code) {
  if (code == BN_CLICKED) button_.RaiseClick();
}

}  // namespace zv::platform
