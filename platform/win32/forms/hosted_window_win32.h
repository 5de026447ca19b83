// The child window of a control that draws itself: its retained image on a DIB section, its
// region, and the mouse, keyboard and focus notifications it passes to the control.
#pragma once

#include <optional>

#include "platform/forms/hosted_control.h"
#include "platform/win32/forms/forms_backend_win32.h"

namespace zv::platform {

class HostedWindow final : public forms::ControlPeer, public forms::HostedSurface {
 public:
  HostedWindow(Win32FormsBackend& backend, forms::HostedControl& control, HWND parent);
  ~HostedWindow() override;
  HostedWindow(const HostedWindow&) = delete;
  HostedWindow& operator=(const HostedWindow&) = delete;

  void Changed(forms::Change what) override;

  Canvas* GetCanvas() override { return image_.GetCanvas(); }
  void Present() override;
  Point CursorInClient() override;
  void SetRegion(const std::vector<Rect>& removed) override;
  bool HasFocus() override { return hwnd_ != nullptr && GetFocus() == hwnd_; }
  void SendTab(bool backward) override;
  std::uintptr_t WindowHandle() override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
  std::uintptr_t DeviceContext() override { return reinterpret_cast<std::uintptr_t>(image_.Dc()); }

  HWND Window() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  bool OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT DialogCode(const MSG* keystroke) const;
  void Resized();

  forms::HostedControl& control_;
  DibSurface image_;
  HWND hwnd_ = nullptr;
  std::optional<Point> lastMouse_;
  bool pressedInside_ = false;
};

}  // namespace zv::platform
