// The contract tests' backend over the real Win32 runtime: real windows on a private display, keys and
// typing through the platform's input queue (SendInput), the program's own message dispatch, real time.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/forms/hosted_control.h"
#include "platform/forms/keys.h"
#include "platform/win32/forms/control_peers_win32.h"
#include "platform/win32/forms/forms_backend_win32.h"
#include "platform/win32/forms/gdi_handles.h"
#include "platform/win32/forms/gdi_text_renderer_win32.h"
#include "platform/win32/forms/popup_menu_win32.h"
#include "platform/win32/forms/runtime_win32.h"
#include "platform/win32/forms/window_hooks_win32.h"
#include "platform/win32/text_win32.h"
#include "tests/contract/contract_backend.h"

namespace zv::contract {
namespace {

using namespace zv::platform;

// How long PumpUntil waits.
constexpr DWORD kBudgetMs = 5000;
// Input is handled once the queue has stayed empty this long.
constexpr DWORD kSettleMs = 60;
// A message box still open after this long is closed, so that a test fails instead of hanging.
constexpr DWORD kMessageBoxLimitMs = 8000;

BOOL CALLBACK TakeMessageBox(HWND hwnd, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(hwnd, name, 16);
  if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

HWND FindMessageBox() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), TakeMessageBox, reinterpret_cast<LPARAM>(&found));
  return found;
}

// A thread timer: it is served by every loop of the thread, message boxes' included.
DWORD messageBoxSince = 0;
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD now) {
  HWND box = FindMessageBox();
  if (box == nullptr) {
    messageBoxSince = 0;
    return;
  }
  if (messageBoxSince == 0) messageBoxSince = now;
  if (now - messageBoxSince < kMessageBoxLimitMs) return;
  ADD_FAILURE() << "a message box stayed open; closed by the watchdog";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  messageBoxSince = 0;
}

bool IsExtendedKey(int keyCode) { return forms::key::IsArrow(keyCode); }

void AddKey(std::vector<INPUT>& inputs, int keyCode, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(keyCode);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(static_cast<UINT>(keyCode), MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(keyCode) ? KEYEVENTF_EXTENDEDKEY : 0);
  inputs.push_back(input);
}

class Win32ContractBackend final : public ContractBackend {
 public:
  Win32ContractBackend()
      : instance_(GetModuleHandleW(nullptr)),
        timers_(instance_),
        pictures_(instance_),
        runtime_{&text_,     &timers_, &messages_, &loop_,  &app_,
                 &pictures_, &colors_, &menus_,    &hooks_, &backend_},
        backend_(instance_, runtime_),
        measureDc_(CreateCompatibleDC(nullptr)),
        text_(measureDc_.get(), backend_.Resources()) {
    watchdog_ = SetTimer(nullptr, 0, 500, Watchdog);
  }
  ~Win32ContractBackend() override {
    KillTimer(nullptr, watchdog_);
    for (HWND box = FindMessageBox(); box != nullptr; box = FindMessageBox()) DestroyWindow(box);
    forms_.clear();
  }

  std::string Name() const override { return "win32"; }
  forms::Runtime& Runtime() override { return runtime_; }

  forms::Form& Open(const forms::FormDefinition& definition, const forms::HostedFactory& hosted) override {
    forms_.push_back(std::make_unique<forms::Form>(runtime_, definition.name));
    forms::Form& form = *forms_.back();
    EXPECT_TRUE(forms::BuildForm(definition, form, hosted)) << definition.name;
    backend_.Load(form);
    CountPaints(form);
    form.Show();
    HWND window = reinterpret_cast<HWND>(form.Handle());
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(window) && GetForegroundWindow() == window; }))
        << "the form did not come to the front";
    Settle();
    return form;
  }

  void Focus(forms::Control& control) override {
    SetFocus(WindowOf(control));
    Settle();
  }
  std::string FocusedName() override {
    HWND focus = GetFocus();
    for (const auto& form : forms_) {
      if (forms::Control* c = ControlWithWindow(*form, focus)) return c->Name();
    }
    return {};
  }
  void PressKey(int keyCode, int modifiers) override {
    const bool shift = (modifiers & forms::kShiftMask) != 0;
    const bool control = (modifiers & forms::kCtrlMask) != 0;
    std::vector<INPUT> inputs;
    if (control) AddKey(inputs, VK_CONTROL, false);
    if (shift) AddKey(inputs, VK_SHIFT, false);
    AddKey(inputs, keyCode, false);
    AddKey(inputs, keyCode, true);
    if (shift) AddKey(inputs, VK_SHIFT, true);
    if (control) AddKey(inputs, VK_CONTROL, true);
    Send(inputs);
  }
  void Click(forms::Control& control) override {
    HWND window = control.IsWindowless() ? WindowOf(*control.Parent()) : WindowOf(control);
    const Rect r = control.PixelBounds();
    const Point middle = control.IsWindowless() ? Point{r.left + r.Width() / 2, r.top + r.Height() / 2}
                                                : Point{r.Width() / 2, r.Height() / 2};
    const LPARAM at = MAKELPARAM(middle.x, middle.y);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window, WM_LBUTTONUP, 0, at);
    Settle();
  }
  void TypeAtEnd(forms::TextBox& box, std::string_view text) override {
    HWND edit = WindowOf(box);
    SetFocus(edit);
    const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(edit));
    SendMessageW(edit, EM_SETSEL, end, end);
    std::vector<INPUT> inputs;
    for (wchar_t ch : Widen(text)) {
      for (bool up : {false, true}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = ch;
        input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
        inputs.push_back(input);
      }
    }
    Send(inputs);
  }

  bool PumpUntil(const std::function<bool()>& done) override {
    const DWORD start = GetTickCount();
    for (;;) {
      loop_.DoEvents();
      if (done()) return true;
      if (GetTickCount() - start > kBudgetMs) return false;
      MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }
  void PumpFor(int milliseconds) override {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= static_cast<DWORD>(milliseconds); });
  }
  void CloseMessageBox() override {
    if (HWND box = FindMessageBox()) PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  void MoveToDpi(forms::Form& form, int dpi) override {
    HWND window = WindowOf(form);
    RECT suggested{};
    GetWindowRect(window, &suggested);
    SendMessageW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    Settle();
  }

  int ShownCheckState(forms::CheckBox& box) override {
    const LRESULT state = SendMessageW(WindowOf(box), BM_GETCHECK, 0, 0);
    return state == BST_INDETERMINATE ? 2 : (state == BST_CHECKED ? 1 : 0);
  }
  bool ShownFlat(forms::CheckBox& box) override {
    return (GetWindowLongPtrW(WindowOf(box), GWL_STYLE) & BS_FLAT) != 0;
  }
  bool ShownEnabled(forms::Control& control) override { return IsWindowEnabled(WindowOf(control)) != FALSE; }
  Size ShownClientSize(forms::Form& form) override {
    RECT r{};
    GetClientRect(WindowOf(form), &r);
    return {r.right, r.bottom};
  }
  Rect ShownBounds(forms::Control& control) override {
    HWND window = WindowOf(control);
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
  }
  int ShownFontHeight(forms::Control& control) override {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(WindowOf(control), WM_GETFONT, 0, 0));
    LOGFONTW description{};
    if (font == nullptr || GetObjectW(font, sizeof(description), &description) == 0) return 0;
    return description.lfHeight;
  }
  std::string ShownText(forms::TextBox& box) override { return Narrow(EditText(WindowOf(box))); }
  std::size_t ShownCaret(forms::TextBox& box) override {
    HWND edit = WindowOf(box);
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return Narrow(EditText(edit).substr(0, start)).size();
  }
  int Paints(forms::Container& surface) override {
    HWND window = WindowOf(surface);
    Settle();
    UpdateWindow(window);
    return paints_[window];
  }

 private:
  static std::wstring EditText(HWND edit) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return text;
  }

  static HWND WindowOf(forms::Control& control) {
    if (control.Kind() == forms::ControlKind::Hosted) {
      forms::HostedSurface* surface = static_cast<forms::HostedControl&>(control).Surface();
      return surface != nullptr ? reinterpret_cast<HWND>(surface->WindowHandle()) : nullptr;
    }
    if (auto* child = dynamic_cast<ChildWindowPeer*>(control.Peer())) return child->Window();
    if (auto* surface = dynamic_cast<forms::FormPeer*>(control.Peer())) {
      return reinterpret_cast<HWND>(surface->Handle());
    }
    return nullptr;
  }

  static forms::Control* ControlWithWindow(forms::Container& container, HWND window) {
    if (window == nullptr) return nullptr;
    for (const auto& child : container.Children()) {
      if (!child->IsWindowless() && WindowOf(*child) == window) return child.get();
      if (child->Kind() == forms::ControlKind::PictureBox) {
        if (forms::Control* c = ControlWithWindow(static_cast<forms::Container&>(*child), window)) return c;
      }
    }
    return nullptr;
  }

  // Every surface of the form counts its WM_PAINT messages.
  void CountPaints(forms::Container& surface) {
    HWND window = WindowOf(surface);
    paints_[window] = 0;
    auto saved = std::make_shared<std::uintptr_t>(0);
    *saved = hooks_.Install(reinterpret_cast<std::uintptr_t>(window),
                            [this, window, saved](std::uintptr_t hwnd, std::uint32_t msg, std::uintptr_t w,
                                                  std::intptr_t l) -> std::intptr_t {
                              if (msg == WM_PAINT) ++paints_[window];
                              return hooks_.CallSaved(*saved, hwnd, msg, w, l);
                            });
    for (const auto& child : surface.Children()) {
      if (child->Kind() == forms::ControlKind::PictureBox)
        CountPaints(static_cast<forms::Container&>(*child));
    }
  }

  void Send(std::vector<INPUT>& inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    EXPECT_EQ(sent, inputs.size()) << "SendInput";
    Settle();
  }

  // Runs the loop until the queue has stayed empty for a while (input and what it caused handled).
  void Settle() {
    const DWORD start = GetTickCount();
    DWORD quietSince = GetTickCount();
    while (GetTickCount() - start < kBudgetMs) {
      if (HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0) {
        loop_.DoEvents();
        quietSince = GetTickCount();
        continue;
      }
      if (GetTickCount() - quietSince >= kSettleMs) return;
      MsgWaitForMultipleObjectsEx(0, nullptr, 5, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
  }

  HINSTANCE instance_;
  Win32TimerService timers_;
  Win32MessageBoxes messages_;
  Win32EventLoop loop_;
  Win32Application app_;
  ResourcePictures pictures_;
  Win32SystemColors colors_;
  Win32PopupMenus menus_;
  Win32WindowProcedureHooks hooks_;
  forms::Runtime runtime_;
  Win32FormsBackend backend_;
  MemoryDcHandle measureDc_;
  GdiTextRenderer text_;
  UINT_PTR watchdog_ = 0;
  std::map<HWND, int> paints_;
  std::vector<std::unique_ptr<forms::Form>> forms_;
};

}  // namespace

std::unique_ptr<ContractBackend> MakeContractBackend() { return std::make_unique<Win32ContractBackend>(); }

}  // namespace zv::contract
