// The saved properties of one self-drawn control instance: named values, names matched without
// regard to case, each read and written with a default; a value equal to its default is not stored.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/color.h"
#include "platform/font.h"

namespace zv::forms {

// A saved value as a window definition stores it.
using SavedValue = std::variant<bool, std::int16_t, std::int32_t, std::string, Font>;
struct SavedProperty {
  std::string key;
  SavedValue value;
};

// Names are ASCII, so ASCII folding is the platform's folding for them.
bool NamesMatch(std::string_view a, std::string_view b);

// A value converted as a late-bound host converts it; nullopt when it cannot be ("abc" as a
// number, a font as anything but a font). True is -1 as a number.
std::optional<bool> AsBoolean(const SavedValue& value);
std::optional<std::int32_t> AsInteger(const SavedValue& value);
// A colour is saved as a 32-bit number: 0x800000nn (a system colour) reads back negative.
std::optional<Color> AsColor(const SavedValue& value);
std::optional<std::string> AsText(const SavedValue& value);

class PropertyBag {
 public:
  PropertyBag() = default;
  explicit PropertyBag(const std::vector<SavedProperty>& saved);
  virtual ~PropertyBag() = default;

  // The stored value, or `defaultValue` when the name is missing.
  virtual SavedValue Read(std::string_view name, const SavedValue& defaultValue) const;
  // Stores the value; one equal to `defaultValue` is not stored (and drops what the name held).
  virtual void Write(std::string_view name, const SavedValue& value, const SavedValue& defaultValue);

  // Typed readers: a missing name, or a value that does not convert, reads as the fallback.
  bool ReadBool(std::string_view name, bool fallback) const;
  std::int16_t ReadInt16(std::string_view name, std::int16_t fallback) const;  // keeps the low 16 bits
  std::int32_t ReadInt32(std::string_view name, std::int32_t fallback) const;
  Color ReadColor(std::string_view name, Color fallback) const;
  std::string ReadString(std::string_view name, std::string_view fallback) const;
  Font ReadFont(std::string_view name, const Font& fallback) const;

  // Stores a value as it is, defaults included (filling a bag as a window's saved data would).
  void Set(std::string_view name, SavedValue value);
  // Null when the name is not stored.
  const SavedValue* Find(std::string_view name) const;
  // The stored values, in the order their names were first written.
  const std::vector<SavedProperty>& Entries() const { return entries_; }

 private:
  template <typename T>
  T ReadAs(std::string_view name, T fallback, std::optional<T> (*convert)(const SavedValue&)) const;

  std::vector<SavedProperty> entries_;
};

}  // namespace zv::forms
