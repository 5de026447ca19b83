// Saved values of self-drawn controls: the in-memory bag and the conversions a late-bound host makes.
#include "platform/forms/property_bag.h"

#include <algorithm>
#include <charconv>

namespace zv::forms {
namespace {

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::int16_t> AsInt16(const SavedValue& value) {
  const std::optional<std::int32_t> number = AsInteger(value);
  if (!number) return std::nullopt;
  return static_cast<std::int16_t>(*number);
}

std::optional<Font> AsFont(const SavedValue& value) {
  if (const auto* font = std::get_if<Font>(&value)) return *font;
  return std::nullopt;
}

}  // namespace

bool NamesMatch(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Folded(x) == Folded(y); });
}

std::optional<bool> AsBoolean(const SavedValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  if (const auto* text = std::get_if<std::string>(&value)) {
    if (NamesMatch(*text, "True")) return true;
    if (NamesMatch(*text, "False")) return false;
  }
  const std::optional<std::int32_t> number = AsInteger(value);
  if (!number) return std::nullopt;
  return *number != 0;
}

std::optional<std::int32_t> AsInteger(const SavedValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
  if (const auto* small = std::get_if<std::int16_t>(&value)) return *small;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
  if (const auto* text = std::get_if<std::string>(&value)) return ParseInteger(*text);
  return std::nullopt;
}

std::optional<Color> AsColor(const SavedValue& value) {
  const std::optional<std::int32_t> number = AsInteger(value);
  if (!number) return std::nullopt;
  return static_cast<Color>(*number);
}

std::optional<std::string> AsText(const SavedValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return std::string(*flag ? "True" : "False");
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  const std::optional<std::int32_t> number = AsInteger(value);
  if (!number) return std::nullopt;
  return std::to_string(*number);
}

PropertyBag::PropertyBag(const std::vector<SavedProperty>& saved) {
  for (const SavedProperty& p : saved) Set(p.key, p.value);
}

SavedValue PropertyBag::Read(std::string_view name, const SavedValue& defaultValue) const {
  const SavedValue* stored = Find(name);
  return stored ? *stored : defaultValue;
}

void PropertyBag::Write(std::string_view name, const SavedValue& value, const SavedValue& defaultValue) {
  if (value == defaultValue) {
    std::erase_if(entries_, [&](const SavedProperty& entry) { return NamesMatch(entry.key, name); });
    return;
  }
  Set(name, value);
}

template <typename T>
T PropertyBag::ReadAs(std::string_view name, T fallback,
                      std::optional<T> (*convert)(const SavedValue&)) const {
  const SavedValue* stored = Find(name);
  if (stored == nullptr) return fallback;
  return convert(*stored).value_or(std::move(fallback));
}

bool PropertyBag::ReadBool(std::string_view name, bool fallback) const {
  return ReadAs<bool>(name, fallback, AsBoolean);
}

std::int16_t PropertyBag::ReadInt16(std::string_view name, std::int16_t fallback) const {
  return ReadAs<std::int16_t>(name, fallback, AsInt16);
}

std::int32_t PropertyBag::ReadInt32(std::string_view name, std::int32_t fallback) const {
  return ReadAs<std::int32_t>(name, fallback, AsInteger);
}

Color PropertyBag::ReadColor(std::string_view name, Color fallback) const {
  return ReadAs<Color>(name, fallback, AsColor);
}

std::string PropertyBag::ReadString(std::string_view name, std::string_view fallback) const {
  return ReadAs<std::string>(name, std::string(fallback), AsText);
}

Font PropertyBag::ReadFont(std::string_view name, const Font& fallback) const {
  return ReadAs<Font>(name, fallback, AsFont);
}

void PropertyBag::Set(std::string_view name, SavedValue value) {
  for (SavedProperty& entry : entries_) {
    if (NamesMatch(entry.key, name)) {
      entry.value = std::move(value);
      return;
    }
  }
  entries_.push_back({std::string(name), std::move(value)});
}

const SavedValue* PropertyBag::Find(std::string_view name) const {
  for (const SavedProperty& entry : entries_) {
    if (NamesMatch(entry.key, name)) return &entry.value;
  }
  return nullptr;
}

}  // namespace zv::forms
