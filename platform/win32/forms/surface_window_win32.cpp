// Forms and pages on Win32: creation, double-buffered painting, mouse routing and the
// messages a top-level window answers (close, end of session, inspection).
#include "platform/forms/painter.h"
#include "platform/win32/forms/automation_win32.h"
#include "platform/win32/forms/forms_backend_win32.h"
#include "platform/win32/forms/input_state_win32.h"
#include "platform/win32/forms/mouse_input_win32.h"
#include "platform/win32/forms/window_class_win32.h"
#include "platform/win32/text_win32.h"

namespace zv::platform {
namespace {

constexpr wchar_t kSurfaceClass[] = L"ZorvaneSurface";
constexpr UINT kDpiChangedMessage = 0x02E0;  // WM_DPICHANGED, Windows 8.1

// The window's outer size for the form's client area at its dpi.
SIZE OuterSize(const forms::Form& form, DWORD style, DWORD exStyle) {
  RECT r{0, 0, form.ClientSize().width, form.ClientSize().height};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

RECT WindowRectFor(const forms::Form& form, DWORD style, DWORD exStyle) {
  const SIZE size = OuterSize(form, style, exStyle);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
  return {x, y, x + size.cx, y + size.cy};
}

}  // namespace

SurfaceWindow::SurfaceWindow(Win32FormsBackend& backend, forms::Container& container, HWND parent)
    : backend_(backend), container_(container) {
  RegisterWindowClass(backend.Instance(), kSurfaceClass, WindowProc, ClassIcon::Application);
  if (IsForm()) {
    const auto& form = static_cast<const forms::Form&>(container);
    DWORD style = WS_CLIPCHILDREN;
    style |= form.Border() == forms::FormBorder::None ? WS_POPUP : (WS_CAPTION | WS_SYSMENU | WS_BORDER);
    const DWORD exStyle =
        form.ShowInTaskbar() ? WS_EX_CONTROLPARENT : (WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW);
    const RECT r = WindowRectFor(form, style, exStyle);
    CreateWindowExW(exStyle, kSurfaceClass, Widen(form.Caption()).c_str(), style, r.left, r.top,
                    r.right - r.left, r.bottom - r.top, nullptr, nullptr, backend.Instance(), this);
  } else {
    const Rect r = container.PixelBounds();
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (container.Visible()) style |= WS_VISIBLE;
    CreateWindowExW(WS_EX_CONTROLPARENT, kSurfaceClass, L"", style, r.left, r.top, r.Width(), r.Height(),
                    parent, nullptr, backend.Instance(), this);
  }
}

SurfaceWindow::~SurfaceWindow() { Destroy(); }

void SurfaceWindow::Destroy() {
  if (hwnd_ == nullptr) return;
  destroying_ = true;
  HWND window = hwnd_;
  for (auto& [child, peer] : children_) peer->Forget();
  DestroyWindow(window);
  hwnd_ = nullptr;
}

void SurfaceWindow::Activate() {
  if (hwnd_ == nullptr) return;
  SetForegroundWindow(hwnd_);
}

void SurfaceWindow::Changed(forms::Change what) {
  if (hwnd_ == nullptr) return;
  switch (what) {
    case forms::Change::Visible:
      if (IsForm()) {
        ShowWindow(hwnd_, container_.Visible() ? SW_SHOW : SW_HIDE);
      } else {
        ShowWindow(hwnd_, container_.Visible() ? SW_SHOWNA : SW_HIDE);
      }
      break;
    case forms::Change::Bounds:
      if (IsForm() && changingDpi_) break;
      if (IsForm()) {
        const Rect r = container_.PixelBounds();  // the screen position at the form's dpi
        SetWindowPos(hwnd_, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      } else {
        const Rect r = container_.PixelBounds();
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    case forms::Change::Enabled:
      EnableWindow(hwnd_, container_.Enabled());
      break;
    default:
      InvalidateRect(hwnd_, nullptr, FALSE);
      break;
  }
}

void SurfaceWindow::Invalidate(Rect pixels) {
  if (hwnd_ == nullptr || pixels.IsEmpty()) return;
  RECT r{pixels.left, pixels.top, pixels.right, pixels.bottom};
  InvalidateRect(hwnd_, &r, FALSE);
}

void SurfaceWindow::AddChild(ChildWindowPeer& child) { children_[child.Window()] = &child; }

ChildWindowPeer* SurfaceWindow::ChildOf(HWND child) const {
  auto it = children_.find(child);
  return it == children_.end() ? nullptr : it->second;
}

LRESULT CALLBACK SurfaceWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<SurfaceWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<SurfaceWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr || self->destroying_) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  return self->OnMessage(msg, wParam, lParam);
}

LRESULT SurfaceWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (IsForm() && OnFormMessage(msg, wParam, lParam, result)) return result;
  if (const std::optional<MouseInput> input = TranslateMouse(msg, wParam, lParam)) {
    RouteMouse(*input);
    return 0;
  }
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_NEXTDLGCTL:
      MoveFocus(wParam, lParam);
      return 0;
    case WM_CLOSE:
      // A page is no window of its own to close: a multi-line text box asks its parent for that on Esc.
      return 0;
    case WM_CAPTURECHANGED:
      if (!releasingCapture_) container_.CancelCapture();
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT && SetLinkCursor())
        return TRUE;
      break;
    case WM_COMMAND:
      if (ChildWindowPeer* child = ChildOf(reinterpret_cast<HWND>(lParam))) {
        child->OnCommand(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (ChildWindowPeer* child = ChildOf(reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(child->OnColor(reinterpret_cast<HDC>(wParam)));
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

bool SurfaceWindow::OnFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  auto& form = static_cast<forms::Form&>(container_);
  switch (msg) {
    case WM_CLOSE:
      if (form.onCloseRequest) form.onCloseRequest();
      result = 0;
      return true;
    case WM_QUERYENDSESSION:
      result = TRUE;
      return true;
    case WM_ENDSESSION:
      if (wParam != FALSE && form.onEndSession) form.onEndSession();
      result = 0;
      return true;
    case kDpiChangedMessage:
      ChangeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      result = 0;
      return true;
    case kPreviewKeyMessage:
      result =
          form.onKeyPreview && form.onKeyPreview(static_cast<int>(wParam), static_cast<int>(lParam)) ? 1 : 0;
      return true;
    case WM_COPYDATA:
      result = AnswerInspection(form, hwnd_, wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE
                                                                                                      : FALSE;
      return true;
    default:
      return false;
  }
}

void SurfaceWindow::ChangeDpi(int dpi, const RECT& suggested) {
  auto& form = static_cast<forms::Form&>(container_);
  changingDpi_ = true;
  form.SetDpi(dpi);  // pages and controls move, resize and take their fonts at the new dpi
  changingDpi_ = false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
  const SIZE size = OuterSize(form, style, exStyle);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void SurfaceWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  // The image lives for this paint only: only the dirty rows' pages are ever touched, and a window that
  // waits (a hidden page, the form in the tray) keeps no copy of itself.
  DibSurface image(backend_.Resources());
  if (image.Resize(client.right, client.bottom, container_.Dpi())) {
    const Rect dirty{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom};
    forms::PaintSurface(container_, *image.GetCanvas(), backend_.PaintServices(), dirty);
    image.Present(dc, ps.rcPaint);
  }
  EndPaint(hwnd_, &ps);
  backend_.PaintServices().pictures.Trim();
}

void SurfaceWindow::RouteMouse(const MouseInput& input) {
  const Point p = input.at;
  const int shift = input.shift;
  auto press = [&](int button) {
    SetCapture(hwnd_);
    container_.RouteMouseDown(button, shift, p);
  };
  // The capture goes before the release is handled: a handler may hide the window.
  auto release = [&](int button) {
    if (input.held == 0 && GetCapture() == hwnd_) {
      releasingCapture_ = true;
      ReleaseCapture();
      releasingCapture_ = false;
    }
    container_.RouteMouseUp(button, shift, p);
  };
  // The platform repeats WM_MOUSEMOVE at the same spot when the capture changes; only a real
  // move counts, so that pressing and releasing in place is not taken for a drag.
  const bool moved = !lastMouse_ || lastMouse_->x != p.x || lastMouse_->y != p.y;
  lastMouse_ = p;
  switch (input.action) {
    case MouseAction::Move:
      if (moved) container_.RouteMouseMove(input.held, shift, p);
      break;
    case MouseAction::Press:
      press(input.button);
      break;
    case MouseAction::Release:
      release(input.button);
      break;
    case MouseAction::DoubleClick:
      SetCapture(hwnd_);
      container_.RouteDoubleClick(input.button, shift, p);
      break;
  }
}

// The request a control makes of its dialog (a multi-line text box on Tab and Shift+Tab): the focus goes
// to the given window, or along the form's tab order.
void SurfaceWindow::MoveFocus(WPARAM wParam, LPARAM lParam) {
  HWND root = GetAncestor(hwnd_, GA_ROOT);
  HWND next =
      LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(root, GetFocus(), wParam != 0);
  if (next != nullptr) SetFocus(next);
}

bool SurfaceWindow::SetLinkCursor() {
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(hwnd_, &pt);
  const forms::Control* hit = container_.HitTest({pt.x, pt.y});
  if (hit == nullptr || hit->MouseCursor() != forms::Cursor::Link) return false;
  SetCursor(backend_.LinkCursor());
  return true;
}

void WindowlessPeer::Changed(forms::Change) {
  const Rect now = control_.PixelBounds();
  surface_.Invalidate(painted_);
  if (now != painted_) surface_.Invalidate(now);
  painted_ = now;
}

}  // namespace zv::platform
