// What the monitor needs of the window that hosts it: saved values, ambient state, a timer and a surface.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/canvas.h"
#include "platform/forms/runtime.h"
#include "platform/geometry.h"
#include "platform/handle.h"

namespace zv::cpumonitor {

// A saved value as a host stores it: Booleans, 16- and 32-bit numbers, text.
using PropertyValue = std::variant<bool, std::int16_t, std::int32_t, std::string>;

bool KeysMatch(std::string_view a, std::string_view b);

// A value converted as a late-bound host would; nullopt when it cannot be ("abc" as a number).
std::optional<bool> AsBoolean(const PropertyValue& value);
std::optional<std::int32_t> AsInteger(const PropertyValue& value);
// A colour is saved as a 32-bit number: 0x800000nn (a system colour) reads back negative.
std::optional<Color> AsColor(const PropertyValue& value);
std::optional<std::string> AsText(const PropertyValue& value);

// The saved values of one instance. Keys match without regard to case.
class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  // The stored value, or `defaultValue` when the key is missing.
  virtual PropertyValue Read(std::string_view key, const PropertyValue& defaultValue) = 0;
  // Stores the value; one equal to `defaultValue` is not stored (and drops what the key held).
  virtual void Write(std::string_view key, const PropertyValue& value, const PropertyValue& defaultValue) = 0;
};

class MonitorHost {
 public:
  virtual ~MonitorHost() = default;

  // Run mode (true) or a designer (false).
  virtual bool UserMode() = 0;
  // The property under this bag key changed, so a designer knows the instance needs saving.
  virtual void PropertyChanged(std::string_view key) = 0;
  // Carries the control's tick timer.
  virtual forms::TimerService& Timers() = 0;

  // The control's outer width in pixels (its width in twips / 15, not rounded).
  virtual double OuterWidthPixels() = 0;
  // The inner drawing area in pixels: the outer size less the border.
  virtual Size InnerSize() = 0;
  // The retained image, as big as the inner area; drawing goes here and Present shows it.
  virtual Canvas& Surface() = 0;
  virtual void Present() = 0;

  // Attributes of the surface and the window, passed through by the control.
  virtual Color BackColor() = 0;
  virtual void SetBackColor(Color color) = 0;
  virtual std::int16_t Appearance() = 0;  // 0 flat, 1 three-dimensional
  virtual void SetAppearance(std::int16_t appearance) = 0;
  virtual std::int16_t BorderStyle() = 0;  // 0 none, 1 fixed single line
  virtual void SetBorderStyle(std::int16_t style) = 0;
  virtual bool Enabled() = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual platform::OpaqueHandle WindowHandle() = 0;
  virtual platform::OpaqueHandle DeviceContext() = 0;
};

}  // namespace zv::cpumonitor
