// Builds the retained model of a form from its definition.
#include "platform/forms/definition.h"

#include "platform/forms/controls.h"

namespace zv::forms {
namespace {

Container* FindContainer(Form& form, const std::string& name) {
  if (name.empty()) return &form;
  Control* c = form.Find(name);
  if (c == nullptr || c->Kind() != ControlKind::PictureBox) return nullptr;
  return static_cast<Container*>(c);
}

void ApplyCommon(const ControlDefinition& d, Control& c) {
  c.Move(d.left, d.top, d.width, d.height);
  c.SetVisible(d.visible);
  c.SetEnabled(d.enabled);
  c.SetTabIndex(d.tabIndex);
  c.SetMouseCursor(d.cursor);
}

void BuildLabel(const ControlDefinition& d, Label& label) {
  if (d.font) label.SetFont(*d.font);
  if (d.foreColor) label.SetForeColor(*d.foreColor);
  if (d.backColor) label.SetBackColor(*d.backColor);
  label.SetTransparent(d.transparent);
  label.SetCaption(d.caption);
  label.SetAutoSize(d.autoSize);
}

void BuildCheckBox(const ControlDefinition& d, CheckBox& box) {
  if (d.font) box.SetFont(*d.font);
  if (d.foreColor) box.SetForeColor(*d.foreColor);
  if (d.backColor) box.SetBackColor(*d.backColor);
  box.SetCaption(d.caption);
  box.SetFlat(d.flat);
}

Control* AddControl(const ControlDefinition& d, Container& parent, const HostedFactory& hosted) {
  switch (d.kind) {
    case ControlKind::Label: {
      auto& label = parent.Add<Label>(d.name, d.index);
      ApplyCommon(d, label);
      BuildLabel(d, label);
      return &label;
    }
    case ControlKind::Image: {
      auto& image = parent.Add<Image>(d.name, d.index);
      image.SetPictureName(d.picture);
      ApplyCommon(d, image);
      return &image;
    }
    case ControlKind::Shape: {
      auto& shape = parent.Add<Shape>(d.name, d.index);
      shape.SetBorderColor(d.borderColor);
      shape.SetFill(d.filled, d.fillColor);
      ApplyCommon(d, shape);
      return &shape;
    }
    case ControlKind::CheckBox: {
      auto& box = parent.Add<CheckBox>(d.name, d.index);
      ApplyCommon(d, box);
      BuildCheckBox(d, box);
      return &box;
    }
    case ControlKind::ComboBox: {
      auto& combo = parent.Add<ComboBox>(d.name, d.index);
      if (d.font) combo.SetFont(*d.font);
      ApplyCommon(d, combo);
      return &combo;
    }
    case ControlKind::TextBox: {
      auto& text = parent.Add<TextBox>(d.name, d.index);
      if (d.font) text.SetFont(*d.font);
      ApplyCommon(d, text);
      return &text;
    }
    case ControlKind::Button: {
      auto& button = parent.Add<Button>(d.name, d.index);
      if (d.font) button.SetFont(*d.font);
      button.SetCaption(d.caption);
      ApplyCommon(d, button);
      return &button;
    }
    case ControlKind::PictureBox: {
      auto& page = parent.Add<PictureBox>(d.name, d.index);
      if (d.backColor) page.SetBackColor(*d.backColor);
      if (d.foreColor) page.SetForeColor(*d.foreColor);
      if (d.font) page.SetFont(*d.font);
      ApplyCommon(d, page);
      return &page;
    }
    case ControlKind::Hosted: {
      HostedControl* control = hosted ? hosted(d, parent) : nullptr;
      if (control == nullptr) return nullptr;
      // The control needs its size before its saved values (the chart keeps a slot per pixel),
      // and its saved values, its own Enabled among them, have the last word.
      ApplyCommon(d, *control);
      control->ReadProperties(PropertyBag(d.saved));
      return control;
    }
    case ControlKind::Form:
      break;
  }
  return nullptr;
}

}  // namespace

bool BuildForm(const FormDefinition& definition, Form& form, const HostedFactory& hosted) {
  form.SetCaption(definition.caption);
  form.SetDesignClientSize(definition.clientSize);
  form.SetPictureName(definition.picture);
  form.SetBorder(definition.border);
  form.SetShowInTaskbar(definition.showInTaskbar);
  if (definition.font) form.SetFont(*definition.font);
  for (const ControlDefinition& d : definition.controls) {
    Container* parent = FindContainer(form, d.parent);
    if (parent == nullptr || AddControl(d, *parent, hosted) == nullptr) return false;
  }
  for (const TimerDefinition& t : definition.timers) {
    Timer& timer = form.AddTimer(t.name);
    timer.SetInterval(t.interval);
    timer.SetEnabled(t.enabled);
  }
  return true;
}

}  // namespace zv::forms
