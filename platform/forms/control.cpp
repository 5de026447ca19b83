// Geometry, visibility and event raising shared by every control.
#include "platform/forms/control.h"

#include <utility>

#include "platform/forms/container.h"
#include "platform/forms/form.h"

namespace zv::forms {

Control::Control(ControlKind kind, std::string name, int index)
    : kind_(kind), name_(std::move(name)), index_(index) {}

Form* Control::OwnerForm() { return const_cast<Form*>(std::as_const(*this).OwnerForm()); }

const Form* Control::OwnerForm() const {
  const Control* c = this;
  while (c->parent_ != nullptr) c = c->parent_;
  return c->kind_ == ControlKind::Form ? static_cast<const Form*>(c) : nullptr;
}

bool Control::IsWindowless() const {
  return kind_ == ControlKind::Label || kind_ == ControlKind::Image || kind_ == ControlKind::Shape;
}

bool Control::TabStop() const {
  return kind_ == ControlKind::CheckBox || kind_ == ControlKind::ComboBox || kind_ == ControlKind::TextBox ||
         kind_ == ControlKind::Button;
}

void Control::Move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Change::Bounds);
}

int Control::Dpi() const {
  const Form* form = OwnerForm();
  return form != nullptr ? form->Dpi() : kStandardDpi;
}

Rect Control::PixelBounds() const {
  const int dpi = Dpi();
  const int x = TwipsToPixels(left_, dpi);
  const int y = TwipsToPixels(top_, dpi);
  return {x, y, x + TwipsToPixels(width_, dpi), y + TwipsToPixels(height_, dpi)};
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Notify(Change::Visible);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Notify(Change::Enabled);
}

void Control::RaiseClick() const {
  if (onClick) onClick();
}

void Control::RaiseDblClick() const {
  if (onDblClick) onDblClick();
}

void Control::Notify(Change what) const {
  if (peer_ != nullptr) peer_->Changed(what);
}

void Control::NotifyTree(Change what) const {
  Notify(what);
  if (const auto* container = dynamic_cast<const Container*>(this)) {
    for (const auto& child : container->Children()) child->NotifyTree(what);
  }
}

}  // namespace zv::forms
