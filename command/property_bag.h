// The saved properties of one control instance: named values, names matched without regard to
// case, each read and written with a default; a value equal to its default is not stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/font.h"

namespace zv::command {

class PropertyBag {
 public:
  using Value = std::variant<bool, std::int16_t, std::int32_t, std::string, Font>;

  // A missing name, or a value of another kind, reads as the default. The two integer kinds
  // read as each other (a 32-bit value read as 16-bit keeps its low 16 bits).
  bool ReadBool(std::string_view name, bool fallback) const;
  std::int16_t ReadInt16(std::string_view name, std::int16_t fallback) const;
  std::int32_t ReadInt32(std::string_view name, std::int32_t fallback) const;
  std::string ReadString(std::string_view name, std::string_view fallback) const;
  Font ReadFont(std::string_view name, const Font& fallback) const;

  // Stores the value unless it equals the default, in which case the name is dropped.
  void WriteBool(std::string_view name, bool value, bool fallback);
  void WriteInt16(std::string_view name, std::int16_t value, std::int16_t fallback);
  void WriteInt32(std::string_view name, std::int32_t value, std::int32_t fallback);
  void WriteString(std::string_view name, std::string_view value, std::string_view fallback);
  void WriteFont(std::string_view name, const Font& value, const Font& fallback);

  // Stores a value as it is, for hosts filling a bag from a window definition.
  void Set(std::string_view name, Value value);
  // Null when the name is not stored.
  const Value* Find(std::string_view name) const;
  // The stored names in lower case, in the order they were first written.
  std::vector<std::string> Names() const;
  std::size_t Size() const { return entries_.size(); }

 private:
  template <typename T>
  void Write(std::string_view name, T value, const T& fallback);
  void Erase(std::string_view name);

  std::vector<std::pair<std::string, Value>> entries_;
};

}  // namespace zv::command
