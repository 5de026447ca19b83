// Messages and styles of top-level windows, by handle.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/shell.h"

namespace zv::platform {

class WindowMessages {
 public:
  virtual ~WindowMessages() = default;
  // ReleaseCapture, then WM_NCLBUTTONDOWN with HTCAPTION: the window manager moves the window.
  virtual void StartDragMove(WindowHandle window) = 0;
  virtual std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
  virtual std::uint32_t RegisterMessage(std::string_view name) = 0;
  virtual std::intptr_t GetStyle(WindowHandle window) = 0;
  virtual void SetStyle(WindowHandle window, std::intptr_t style) = 0;
  virtual bool SetForeground(WindowHandle window) = 0;
  // SetWindowPos(HWND_TOPMOST) without moving or sizing: the window stays above every
  // window that is not topmost.
  virtual void SetTopmost(WindowHandle window) = 0;
};

}  // namespace zv::platform
