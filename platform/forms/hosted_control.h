// Controls that draw themselves on a canvas of their own (the strip chart, the skinned button):
// what the backend gives them and the notifications it delivers to them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/forms/control.h"

namespace zv::forms {

// The backend's side of a hosted control: a child window with a retained image.
class HostedSurface {
 public:
  virtual ~HostedSurface() = default;
  // The retained image, the size of the client area; null before the window exists.
  virtual Canvas* GetCanvas() = 0;
  // Copies the retained image to the screen now.
  virtual void Present() = 0;
  // The pointer's position in client pixels (it may lie outside the control).
  virtual Point CursorInClient() = 0;
  // The window's shape: its client rectangle without these pixel rectangles (none: the whole
  // rectangle). The backend makes the region and hands it to the window, which then owns it.
  virtual void SetRegion(const std::vector<Rect>& removed) = 0;
  virtual bool HasFocus() = 0;
  // Sends the keystroke Tab, or Shift+Tab, to the active window: the focus moves along the tab order.
  virtual void SendTab(bool backward) = 0;
  virtual std::uintptr_t WindowHandle() = 0;
  virtual std::uintptr_t DeviceContext() = 0;
  // Run mode (the program runs) as opposed to a designer.
  virtual bool UserMode() { return true; }
};

class HostedControl : public Control {
 public:
  HostedControl(std::string name, int index = -1) : Control(ControlKind::Hosted, std::move(name), index) {}

  void AttachSurface(HostedSurface* surface) { surface_ = surface; }
  HostedSurface* Surface() const { return surface_; }
  // The container shows this control as its default button.
  bool DisplayAsDefault() const { return displayAsDefault_; }
  void SetDisplayAsDefault(bool value) { displayAsDefault_ = value; }
  // The window text that carries the access key ("&x"), if any.
  virtual std::string AccessText() const { return {}; }
  // Takes the focus with the Tab key.
  virtual bool TabStop() const { return true; }
  // Wants the arrow keys for itself instead of the dialog navigation.
  virtual bool WantsArrows() const { return false; }

  // Notifications from the backend, in client pixels.
  virtual void OnResize() {}
  virtual void OnMouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void OnMouseMove(int /*buttons*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void OnMouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  // The left button was released over the control after being pressed on it.
  virtual void OnClick() {}
  virtual void OnDblClick() {}
  virtual void OnKeyDown(int /*keyCode*/, int /*shift*/) {}
  virtual void OnKeyPress(int /*keyAscii*/) {}
  virtual void OnKeyUp(int /*keyCode*/, int /*shift*/) {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
  virtual void OnAccessKey() {}
  // Before the window goes away.
  virtual void OnTerminate() {}

 private:
  HostedSurface* surface_ = nullptr;
  bool displayAsDefault_ = false;
};

}  // namespace zv::forms
