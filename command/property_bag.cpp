// In-memory property bag with lower-cased names kept in writing order.
#include "command/property_bag.h"

#include <algorithm>

namespace zv::command {
namespace {

std::string LowerCased(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

}  // namespace

const PropertyBag::Value* PropertyBag::Find(std::string_view name) const {
  const std::string key = LowerCased(name);
  for (const auto& [stored, value] : entries_) {
    if (stored == key) return &value;
  }
  return nullptr;
}

void PropertyBag::Set(std::string_view name, Value value) {
  std::string key = LowerCased(name);
  for (auto& [stored, existing] : entries_) {
    if (stored == key) {
      existing = std::move(value);
      return;
    }
  }
  entries_.emplace_back(std::move(key), std::move(value));
}

void PropertyBag::Erase(std::string_view name) {
  const std::string key = LowerCased(name);
  std::erase_if(entries_, [&](const auto& entry) { return entry.first == key; });
}

std::vector<std::string> PropertyBag::Names() const {
  std::vector<std::string> names;
  names.reserve(entries_.size());
  for (const auto& entry : entries_) names.push_back(entry.first);
  return names;
}

bool PropertyBag::ReadBool(std::string_view name, bool fallback) const {
  const Value* value = Find(name);
  const bool* stored = value ? std::get_if<bool>(value) : nullptr;
  return stored ? *stored : fallback;
}

std::int32_t PropertyBag::ReadInt32(std::string_view name, std::int32_t fallback) const {
  const Value* value = Find(name);
  if (value == nullptr) return fallback;
  if (const auto* wide = std::get_if<std::int32_t>(value)) return *wide;
  if (const auto* narrow = std::get_if<std::int16_t>(value)) return *narrow;
  return fallback;
}

std::int16_t PropertyBag::ReadInt16(std::string_view name, std::int16_t fallback) const {
  const Value* value = Find(name);
  if (value == nullptr) return fallback;
  if (const auto* narrow = std::get_if<std::int16_t>(value)) return *narrow;
  if (const auto* wide = std::get_if<std::int32_t>(value)) return static_cast<std::int16_t>(*wide);
  return fallback;
}

std::string PropertyBag::ReadString(std::string_view name, std::string_view fallback) const {
  const Value* value = Find(name);
  const std::string* stored = value ? std::get_if<std::string>(value) : nullptr;
  return stored ? *stored : std::string(fallback);
}

Font PropertyBag::ReadFont(std::string_view name, const Font& fallback) const {
  const Value* value = Find(name);
  const Font* stored = value ? std::get_if<Font>(value) : nullptr;
  return stored ? *stored : fallback;
}

template <typename T>
void PropertyBag::Write(std::string_view name, T value, const T& fallback) {
  if (value == fallback) {
    Erase(name);
    return;
  }
  Set(name, Value(std::move(value)));
}

void PropertyBag::WriteBool(std::string_view name, bool value, bool fallback) {
  Write(name, value, fallback);
}

void PropertyBag::WriteInt16(std::string_view name, std::int16_t value, std::int16_t fallback) {
  Write(name, value, fallback);
}

void PropertyBag::WriteInt32(std::string_view name, std::int32_t value, std::int32_t fallback) {
  Write(name, value, fallback);
}

void PropertyBag::WriteString(std::string_view name, std::string_view value, std::string_view fallback) {
  Write(name, std::string(value), std::string(fallback));
}

void PropertyBag::WriteFont(std::string_view name, const Font& value, const Font& fallback) {
  Write(name, value, fallback);
}

}  // namespace zv::command
