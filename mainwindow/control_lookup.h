// Typed look-up of the main window's controls by their definition names.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace zv::mainwindow {

template <typename T>
constexpr forms::ControlKind KindOf();
template <>
constexpr forms::ControlKind KindOf<forms::Label>() {
  return forms::ControlKind::Label;
}
template <>
constexpr forms::ControlKind KindOf<forms::Image>() {
  return forms::ControlKind::Image;
}
template <>
constexpr forms::ControlKind KindOf<forms::PictureBox>() {
  return forms::ControlKind::PictureBox;
}
template <>
constexpr forms::ControlKind KindOf<forms::CheckBox>() {
  return forms::ControlKind::CheckBox;
}
template <>
constexpr forms::ControlKind KindOf<forms::ComboBox>() {
  return forms::ControlKind::ComboBox;
}
template <>
constexpr forms::ControlKind KindOf<forms::TextBox>() {
  return forms::ControlKind::TextBox;
}
template <>
constexpr forms::ControlKind KindOf<forms::Button>() {
  return forms::ControlKind::Button;
}

// The window definitions are fixed data; a control they lack is a defect of the build.
template <typename T>
T* Require(forms::Form& form, std::string_view name, int index = -1) {
  forms::Control* c = form.Find(name, index);
  if (c == nullptr || c->Kind() != KindOf<T>()) {
    std::fprintf(stderr, "%s: control %.*s(%d) missing from the definition\n", form.Name().c_str(),
                 int(name.size()), name.data(), index);
    std::abort();
  }
  return static_cast<T*>(c);
}

// Any control with this name, e.g. one that draws itself.
inline forms::Control* RequireControl(forms::Form& form, std::string_view name, int index = -1) {
  forms::Control* c = form.Find(name, index);
  if (c == nullptr) {
    std::fprintf(stderr, "%s: control %.*s(%d) missing from the definition\n", form.Name().c_str(),
                 int(name.size()), name.data(), index);
    std::abort();
  }
  return c;
}

inline forms::Timer* RequireTimer(forms::Form& form, std::string_view name) {
  forms::Timer* t = form.FindTimer(name);
  if (t == nullptr) std::abort();
  return t;
}

}  // namespace zv::mainwindow
