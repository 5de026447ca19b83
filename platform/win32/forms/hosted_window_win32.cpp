// Child windows of self-drawn controls.
#include "platform/win32/forms/hosted_window_win32.h"

#include "platform/win32/forms/input_state_win32.h"
#include "platform/win32/forms/mouse_input_win32.h"
#include "platform/win32/forms/window_class_win32.h"
#include "platform/win32/text_win32.h"

namespace zv::platform {
namespace {

constexpr wchar_t kHostedClass[] = L"ZorvaneHosted";

struct RegionTraits {
  using Native = HRGN;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { DeleteObject(h); }
};
using RegionHandle = ScopedHandle<RegionTraits>;

// GetDC / ReleaseDC for one drawing.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

}  // namespace

HostedWindow::HostedWindow(Win32FormsBackend& backend, forms::HostedControl& control, HWND parent)
    : control_(control), image_(backend.Resources()) {
  RegisterWindowClass(backend.Instance(), kHostedClass, WindowProc, ClassIcon::None);
  const Rect r = control.PixelBounds();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (control.Visible()) style |= WS_VISIBLE;
  if (!control.Enabled()) style |= WS_DISABLED;
  if (control.TabStop()) style |= WS_TABSTOP;
  control.AttachSurface(this);
  CreateWindowExW(0, kHostedClass, Widen(control.AccessText()).c_str(), style, r.left, r.top, r.Width(),
                  r.Height(), parent, nullptr, backend.Instance(), this);
  Resized();
}

// A window already destroyed with its form has let go of the control (which may be gone).
HostedWindow::~HostedWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void HostedWindow::Changed(forms::Change what) {
  if (hwnd_ == nullptr || MirrorChildWindow(hwnd_, control_, what)) return;
  if (what == forms::Change::Caption) SetWindowTextW(hwnd_, Widen(control_.AccessText()).c_str());
}

void HostedWindow::Resized() {
  if (hwnd_ == nullptr) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  image_.Resize(client.right, client.bottom, control_.Dpi());
  control_.OnResize();
}

void HostedWindow::Present() {
  if (hwnd_ == nullptr || image_.GetCanvas() == nullptr) return;
  WindowDc dc(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  image_.Present(dc.get(), client);
}

Point HostedWindow::CursorInClient() {
  POINT pt{};
  GetCursorPos(&pt);
  if (hwnd_ != nullptr) ScreenToClient(hwnd_, &pt);
  return {pt.x, pt.y};
}

void HostedWindow::SetRegion(const std::vector<Rect>& removed) {
  if (hwnd_ == nullptr) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  RegionHandle region(CreateRectRgn(0, 0, client.right, client.bottom));
  if (!region) return;
  for (const Rect& r : removed) {
    RegionHandle cut(CreateRectRgn(r.left, r.top, r.right, r.bottom));
    if (cut) CombineRgn(region.get(), region.get(), cut.get(), RGN_DIFF);
  }
  // Once the window accepts the region it owns it and deletes it itself.
  if (SetWindowRgn(hwnd_, region.get(), TRUE) != 0) region.Release();
}

void HostedWindow::SendTab(bool backward) {
  INPUT inputs[4] = {};
  int n = 0;
  auto key = [&](WORD vk, bool up) {
    inputs[n].type = INPUT_KEYBOARD;
    inputs[n].ki.wVk = vk;
    inputs[n].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ++n;
  };
  if (backward) key(VK_SHIFT, false);
  key(VK_TAB, false);
  key(VK_TAB, true);
  if (backward) key(VK_SHIFT, true);
  SendInput(static_cast<UINT>(n), inputs, sizeof(INPUT));
}

LRESULT CALLBACK HostedWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<HostedWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<HostedWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->control_.OnTerminate();
    self->control_.AttachSurface(nullptr);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  return self->OnMessage(msg, wParam, lParam);
}

LRESULT HostedWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (OnMouse(msg, wParam, lParam)) return 0;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      image_.Present(dc, ps.rcPaint);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_SIZE:
      Resized();
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case BM_CLICK:
      control_.OnAccessKey();
      return 0;
    case WM_KEYDOWN:
      control_.OnKeyDown(static_cast<int>(wParam), KeyShiftState());
      return 0;
    case WM_CHAR:
      control_.OnKeyPress(static_cast<int>(wParam));
      return 0;
    case WM_KEYUP:
      control_.OnKeyUp(static_cast<int>(wParam), KeyShiftState());
      return 0;
    case WM_SETFOCUS:
      control_.OnGotFocus();
      return 0;
    case WM_KILLFOCUS:
      control_.OnLostFocus();
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}

// The dialog manager keeps Tab, and the arrows of a control that does not want them, to move the focus;
// every other keystroke goes to the control. Enter and Esc included, which the dialog manager would turn
// into its container's default and cancel commands.
LRESULT HostedWindow::DialogCode(const MSG* keystroke) const {
  LRESULT code = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON | (control_.WantsArrows() ? DLGC_WANTARROWS : 0);
  if (keystroke == nullptr) return code;
  const UINT msg = keystroke->message;
  if (msg != WM_KEYDOWN && msg != WM_CHAR) return code;
  const WPARAM key = keystroke->wParam;
  const bool tab = msg == WM_KEYDOWN ? key == VK_TAB : key == L'\t';
  const bool arrow = msg == WM_KEYDOWN && key >= VK_LEFT && key <= VK_DOWN;
  if (tab || (arrow && !control_.WantsArrows())) return code;
  return code | DLGC_WANTMESSAGE;
}

bool HostedWindow::OnMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
  const std::optional<MouseInput> input = TranslateMouse(msg, wParam, lParam);
  if (!input) return false;
  const float x = static_cast<float>(input->at.x);
  const float y = static_cast<float>(input->at.y);
  const int shift = input->shift;
  auto inside = [&] {
    RECT client;
    GetClientRect(hwnd_, &client);
    return x >= 0 && y >= 0 && x < client.right && y < client.bottom;
  };
  auto press = [&](int button) {
    SetCapture(hwnd_);
    if (control_.TabStop() && GetFocus() != hwnd_) SetFocus(hwnd_);
    if (button == forms::kLeftButton) pressedInside_ = true;
    control_.OnMouseDown(button, shift, x, y);
  };
  auto release = [&](int button) {
    if (input->held == 0 && GetCapture() == hwnd_) ReleaseCapture();
    control_.OnMouseUp(button, shift, x, y);
    if (button == forms::kLeftButton && pressedInside_ && inside()) control_.OnClick();
    if (button == forms::kLeftButton) pressedInside_ = false;
  };
  switch (input->action) {
    case MouseAction::Move:
      // Repeats at the same spot (the platform sends them when the capture changes) are not moves.
      if (!lastMouse_ || *lastMouse_ != input->at) control_.OnMouseMove(input->held, shift, x, y);
      lastMouse_ = input->at;
      return true;
    case MouseAction::Press:
      press(input->button);
      return true;
    case MouseAction::Release:
      release(input->button);
      return true;
    case MouseAction::DoubleClick:
      // A right-button double click is left to the default procedure.
      if (input->button != forms::kLeftButton) return false;
      SetCapture(hwnd_);
      pressedInside_ = false;
      control_.OnDblClick();
      return true;
  }
  return false;
}

}  // namespace zv::platform
