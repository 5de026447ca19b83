// Window definitions as data: the controls of a form with their design-time properties,
// and the builder that turns a definition into the retained model.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/hosted_control.h"
#include "platform/forms/property_bag.h"

namespace zv::forms {

struct ControlDefinition {
  ControlKind kind = ControlKind::Label;
  std::string name;
  int index = -1;
  std::string parent;  // empty: the form itself
  int left = 0;        // twips
  int top = 0;
  int width = 0;
  int height = 0;
  std::string caption;
  std::optional<Color> foreColor;
  std::optional<Color> backColor;
  std::optional<Font> font;  // containers: also the ambient font of what they hold
  bool transparent = false;
  bool autoSize = false;
  bool visible = true;
  bool enabled = true;
  int tabIndex = -1;
  bool flat = false;  // check boxes: flat instead of three-dimensional
  std::string picture;
  bool filled = false;  // shapes: filled with fillColor, else outline only
  Color fillColor = 0;
  Color borderColor = 0;
  Cursor cursor = Cursor::Default;
  // Self-drawn controls: the class ("Zorvane.CpuMonitor", "Zorvane.Command") and its saved values.
  std::string hostedType;
  std::vector<SavedProperty> saved;
};

struct TimerDefinition {
  std::string name;
  int interval = 0;
  bool enabled = true;
};

struct FormDefinition {
  std::string name;
  std::string caption;
  Size clientSize;
  std::string picture;
  FormBorder border = FormBorder::None;
  bool showInTaskbar = true;
  std::optional<Font> font;  // the form's default font
  std::vector<ControlDefinition> controls;
  std::vector<TimerDefinition> timers;
};

// Creates a self-drawn control of the definition's class in the parent; null for a class it does
// not know. The builder then places it and reads its saved values.
using HostedFactory = std::function<HostedControl*(const ControlDefinition& definition, Container& parent)>;

// Creates the controls and timers of the definition on the form, in definition order
// (later controls lie above earlier ones). False when a parent is not defined before its child,
// or a self-drawn control's class is unknown to the factory.
[[nodiscard]] bool BuildForm(const FormDefinition& definition, Form& form, const HostedFactory& hosted = {});

}  // namespace zv::forms
