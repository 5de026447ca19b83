// Child ownership, look-up and mouse routing of containers.
#include "platform/forms/container.h"

namespace zv::forms {

void Container::Adopt(std::unique_ptr<Control> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
}

Control* Container::Find(std::string_view name, int index) const {
  for (const auto& child : children_) {
    if (child->Name() == name && child->Index() == index) return child.get();
  }
  for (const auto& child : children_) {
    if (child->Kind() != ControlKind::PictureBox) continue;
    if (Control* found = static_cast<const Container&>(*child).Find(name, index)) return found;
  }
  return nullptr;
}

void Container::SetBackColor(Color color) {
  if (color == backColor_) return;
  backColor_ = color;
  Notify(Change::Style);
}

Control* Container::HitTest(Point p) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    const Control& c = **it;
    if (!c.IsWindowless() || !c.Visible() || c.Kind() == ControlKind::Shape) continue;
    if (c.PixelBounds().Contains(p)) return it->get();
  }
  return nullptr;
}

Control& Container::TargetAt(Point p) {
  if (IsCapturing() && captureTarget_ != nullptr) return *captureTarget_;
  Control* hit = HitTest(p);
  return hit != nullptr ? *hit : *this;
}

MouseEvent Container::EventAt(const Control& target, const Control& surface, int button, int shift, Point p) {
  MouseEvent e{button, shift, float(p.x), float(p.y)};
  if (&target != &surface) {
    const Rect r = target.PixelBounds();
    e.x -= float(r.left);
    e.y -= float(r.top);
  }
  return e;
}

void Container::RouteMouseDown(int button, int shift, Point p) {
  Control& target = TargetAt(p);
  if (!IsCapturing()) {
    captureTarget_ = &target;
    pressWasDoubleClick_ = false;
  }
  captureButtons_ |= button;
  if (!target.Enabled()) return;
  MouseEvent e = EventAt(target, *this, button, shift, p);
  if (target.onMouseDown) target.onMouseDown(e);
}

void Container::RouteMouseMove(int buttons, int shift, Point p) {
  Control& target = TargetAt(p);
  if (!target.Enabled()) return;
  MouseEvent e = EventAt(target, *this, buttons, shift, p);
  if (target.onMouseMove) target.onMouseMove(e);
}

void Container::RouteMouseUp(int button, int shift, Point p) {
  Control& target = TargetAt(p);
  const bool wasDoubleClick = pressWasDoubleClick_;
  captureButtons_ &= ~button;
  if (captureButtons_ == 0) captureTarget_ = nullptr;
  if (!target.Enabled()) return;
  MouseEvent e = EventAt(target, *this, button, shift, p);
  if (target.onMouseUp) target.onMouseUp(e);
  // Click follows the release of the left button over the control that was pressed; the
  // release that ends a double click raises none.
  const bool over = &target == this ? true : target.PixelBounds().Contains(p);
  if (button == kLeftButton && over && !wasDoubleClick) target.RaiseClick();
}

void Container::RouteDoubleClick(int button, int shift, Point p) {
  Control& target = TargetAt(p);
  if (!IsCapturing()) captureTarget_ = &target;
  captureButtons_ |= button;
  pressWasDoubleClick_ = true;
  (void)shift;
  if (target.Enabled() && button == kLeftButton) target.RaiseDblClick();
}

}  // namespace zv::forms
