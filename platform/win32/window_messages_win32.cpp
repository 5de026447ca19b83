// Messages and styles of top-level windows through user32.
#include "platform/win32/window_messages_win32.h"

#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

void Win32WindowMessages::StartDragMove(WindowHandle window) {
  // With the capture released, a caption click makes the window manager run its own move loop.
  ReleaseCapture();
  SendMessageW(ToHwnd(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

std::intptr_t Win32WindowMessages::Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  return SendMessageW(ToHwnd(window), message, wParam, lParam);
}

std::uint32_t Win32WindowMessages::RegisterMessage(std::string_view name) {
  return RegisterWindowMessageW(Widen(name).c_str());
}

std::intptr_t Win32WindowMessages::GetStyle(WindowHandle window) {
  return GetWindowLongPtrW(ToHwnd(window), GWL_STYLE);
}

void Win32WindowMessages::SetStyle(WindowHandle window, std::intptr_t style) {
  SetWindowLongPtrW(ToHwnd(window), GWL_STYLE, style);
}

bool Win32WindowMessages::SetForeground(WindowHandle window) {
  return SetForegroundWindow(ToHwnd(window)) != 0;
}

void Win32WindowMessages::SetTopmost(WindowHandle window) {
  SetWindowPos(ToHwnd(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace zv::platform
