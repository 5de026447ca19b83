// A control that holds others (a window or a picture box used as a page), and the routing
// of mouse input on its surface to the windowless controls it paints.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/forms/control.h"

namespace zv::forms {

class Container : public Control {
 public:
  using Control::Control;

  template <typename T, typename... Args>
  T& Add(Args&&... args) {
    auto child = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *child;
    Adopt(std::move(child));
    return ref;
  }

  const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }
  // Searches this container and every container below it.
  Control* Find(std::string_view name, int index = -1) const;

  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);
  Color ForeColor() const { return foreColor_; }
  void SetForeColor(Color color) { foreColor_ = color; }
  // The container's own font: what the controls placed in it take as their ambient font.
  const zv::Font& Font() const { return font_; }
  void SetFont(const zv::Font& font) { font_ = font; }

  // The topmost visible windowless child under the point (pixels of this surface), or null.
  // Shapes take no mouse input.
  Control* HitTest(Point p) const;

  // Mouse input on this container's own surface, as the backend receives it. A press
  // captures its target until every button is up, as the platform's capture does, so the
  // control pressed sees the moves and the release.
  void RouteMouseDown(int button, int shift, Point p);
  void RouteMouseMove(int buttons, int shift, Point p);
  void RouteMouseUp(int button, int shift, Point p);
  void RouteDoubleClick(int button, int shift, Point p);
  bool IsCapturing() const { return captureButtons_ != 0; }
  // The platform took the capture away (a window move, a menu): no press is in progress.
  void CancelCapture() {
    captureTarget_ = nullptr;
    captureButtons_ = 0;
  }

 private:
  void Adopt(std::unique_ptr<Control> child);
  Control& TargetAt(Point p);
  static MouseEvent EventAt(const Control& target, const Control& surface, int button, int shift, Point p);

  std::vector<std::unique_ptr<Control>> children_;
  Color backColor_ = SystemColor(syscolor::kWindow);
  Color foreColor_ = SystemColor(syscolor::kWindowText);
  zv::Font font_;
  Control* captureTarget_ = nullptr;
  int captureButtons_ = 0;
  bool pressWasDoubleClick_ = false;
};

}  // namespace zv::forms
