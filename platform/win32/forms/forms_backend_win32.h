// Realises the forms model with real windows: forms and pages are windows that paint their
// labels, images and shapes double-buffered; check boxes, drop-down lists, text boxes and
// push buttons are the platform's own controls.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/painter.h"
#include "platform/win32/forms/gdi_resources_win32.h"
#include "platform/win32/forms/gdi_text_renderer_win32.h"

namespace zv::platform {

class Win32FormsBackend;
struct MouseInput;

// A real child control: a check box, a drop-down list, a text box or a push button.
class ChildWindowPeer : public virtual forms::ControlPeer {
 public:
  ChildWindowPeer(Win32FormsBackend& backend, forms::Control& control)
      : backend_(backend), control_(control) {}
  ~ChildWindowPeer() override = default;
  void Changed(forms::Change what) override;
  HWND Window() const { return hwnd_; }
  // A notification (BN_CLICKED, CBN_SELCHANGE, EN_CHANGE) the control sent to its container.
  virtual void OnCommand(WORD) {}
  virtual HBRUSH OnColor(HDC dc);
  void Forget() { hwnd_ = nullptr; }

 protected:
  void Create(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, const std::string& text,
              const Font& font, int extraHeight = 0);
  virtual void Mirror(forms::Change) {}
  Win32FormsBackend& backend_;
  forms::Control& control_;
  HWND hwnd_ = nullptr;
  bool updating_ = false;  // changes the program makes raise no user notifications

 private:
  // The control's bounds at its dpi, with the extra height below.
  Rect PlacedBounds() const;
  // Places the window at those bounds; gives it its font at the control's dpi.
  void Place();
  void ApplyFont();
  Font font_;
  int fontDpi_ = 0;
  int extraHeight_ = 0;  // pixels at 96 dpi below the control's bounds (a drop-down list's list)
};

// A form or a page: a window that composes what needs painting from its background and its windowless
// controls in an image made for that paint, and that routes mouse input to them.
class SurfaceWindow final : public forms::FormPeer {
 public:
  SurfaceWindow(Win32FormsBackend& backend, forms::Container& container, HWND parent);
  ~SurfaceWindow() override;
  void Changed(forms::Change what) override;
  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
  void Activate() override;
  void Destroy() override;

  HWND Window() const { return hwnd_; }
  void Invalidate(Rect pixels);
  void AddChild(ChildWindowPeer& child);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  bool OnFormMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The form moved to a screen of another dpi: its layout at that dpi, in the rectangle the system offers.
  void ChangeDpi(int dpi, const RECT& suggested);
  void Paint();
  void RouteMouse(const MouseInput& input);
  bool SetLinkCursor();
  void MoveFocus(WPARAM wParam, LPARAM lParam);
  ChildWindowPeer* ChildOf(HWND child) const;
  bool IsForm() const { return container_.Kind() == forms::ControlKind::Form; }

  Win32FormsBackend& backend_;
  forms::Container& container_;
  HWND hwnd_ = nullptr;
  std::map<HWND, ChildWindowPeer*> children_;
  std::optional<Point> lastMouse_;
  bool destroying_ = false;
  bool releasingCapture_ = false;
  bool changingDpi_ = false;  // the form's own rectangle follows the system's offer, not its twips
};

// A label, image or shape: an area its container's window paints.
class WindowlessPeer final : public forms::ControlPeer {
 public:
  WindowlessPeer(SurfaceWindow& surface, forms::Control& control)
      : surface_(surface), control_(control), painted_(control.PixelBounds()) {}
  void Changed(forms::Change what) override;

 private:
  SurfaceWindow& surface_;
  forms::Control& control_;
  Rect painted_;
};

class Win32FormsBackend final : public forms::FormsBackend {
 public:
  Win32FormsBackend(HINSTANCE instance, forms::Runtime& runtime);
  void Load(forms::Form& form) override;

  HINSTANCE Instance() const { return instance_; }
  const forms::PaintServices& PaintServices() const { return paint_; }
  GdiResources& Resources() { return resources_; }
  HCURSOR LinkCursor() const { return linkCursor_; }
  COLORREF Resolve(Color c) { return paint_.colors.Resolve(c); }

 private:
  void RealizeChildren(forms::Container& container, SurfaceWindow& surface);
  void Realize(forms::Control& control, SurfaceWindow& surface);

  HINSTANCE instance_;
  forms::PaintServices paint_;
  GdiResources resources_;
  HCURSOR linkCursor_ = nullptr;
  std::vector<std::unique_ptr<forms::ControlPeer>> peers_;
};

}  // namespace zv::platform
