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

namespace zv::forms {

// Design positions are in twips; most definitions give whole pixels.
constexpr int Px(int pixels) { return pixels * kTwipsPerPixel; }

// A saved property of a self-drawn control instance, as the window stores it.
using SavedValue = std::variant<bool, std::int16_t, std::int32_t, std::string, Font>;
struct SavedProperty {
  std::string key;
  SavedValue value;
};

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
  std::optional<Font> font;
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
  std::vector<ControlDefinition> controls;
  std::vector<TimerDefinition> timers;
};

// Creates a self-drawn control of the definition's class in the parent and loads its saved
// values; null for a class it does not know.
using HostedFactory = std::function<Control*(const ControlDefinition& definition, Container& parent)>;

// Creates the controls and timers of the definition on the form, in definition order
// (later controls lie above earlier ones). False when a parent is not defined before its child,
// or a self-drawn control's class is unknown to the factory.
[[nodiscard]] bool BuildForm(const FormDefinition& definition, Form& form, const HostedFactory& hosted = {});

}  // namespace zv::forms
