// Controls that draw themselves on a canvas of their own (the strip chart, the skinned button):
// the one contract between them and whatever hosts them: the container's services, the backend's
// surface, their saved values and the notifications the backend delivers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/font.h"
#include "platform/forms/control.h"
#include "platform/forms/property_bag.h"

namespace zv::forms {

class SystemColors;
class TimerService;

// The container's side of a hosted control.
class ControlHost {
 public:
  virtual ~ControlHost() = default;
  // The program runs, as opposed to a designer editing the container.
  virtual bool UserMode() = 0;
  // A property changed under this bag name: a designing container knows the instance needs saving.
  virtual void PropertyChanged(std::string_view name) = 0;
  virtual SystemColors& Colors() = 0;
  // Carries the control's own timers.
  virtual TimerService& Timers() = 0;
};

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
};

class HostedControl : public Control {
 public:
  HostedControl(ControlHost& host, std::string name, int index = -1)
      : Control(ControlKind::Hosted, std::move(name), index), host_(host) {}

  ControlHost& Host() const { return host_; }
  // The font of the container the control sits in: the default of the control's own font.
  Font AmbientFont() const;

  // Life cycle: a new instance placed by a designer, or one made from saved values (after the
  // container has given it its position, visibility and enabled state), and saving.
  virtual void InitProperties() = 0;
  virtual void ReadProperties(const PropertyBag& bag) = 0;
  virtual void WriteProperties(PropertyBag& bag) const = 0;

  void AttachSurface(HostedSurface* surface) { surface_ = surface; }
  // Null while the control has no window: before its form is loaded and once the window is gone.
  HostedSurface* Surface() const { return surface_; }
  // The container shows this control as its default button.
  bool DisplayAsDefault() const { return displayAsDefault_; }
  void SetDisplayAsDefault(bool value) { displayAsDefault_ = value; }
  // The window text that carries the access key ("&x"), if any.
  virtual std::string AccessText() const { return {}; }
  // Takes the focus with the Tab key.
  bool TabStop() const override { return true; }
  // Wants the arrow keys for itself instead of the dialog navigation.
  virtual bool WantsArrows() const { return false; }

  // Notifications from the backend, in client pixels.
  virtual void OnResize() {}
  // The form is laid out at another dpi; the control has its new size already.
  virtual void OnDpiChanged() {}
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
  ControlHost& host_;
  HostedSurface* surface_ = nullptr;
  bool displayAsDefault_ = false;
};

}  // namespace zv::forms
