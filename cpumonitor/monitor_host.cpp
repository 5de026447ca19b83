// Conversions of a saved value to a property's type, and the case-blind match of bag keys.
#include "cpumonitor/monitor_host.h"

#include <algorithm>
#include <charconv>

namespace zv::cpumonitor {

// Keys are ASCII names, so ASCII folding is the platform's folding for them.
bool KeysMatch(std::string_view a, std::string_view b) {
  auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return fold(x) == fold(y); });
}

namespace {

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

// True is -1 as a number, as the saved data of late-bound hosts has it.
std::optional<bool> AsBoolean(const PropertyValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag;
  if (const auto* text = std::get_if<std::string>(&value)) {
    if (KeysMatch(*text, "True")) return true;
    if (KeysMatch(*text, "False")) return false;
  }
  const std::optional<std::int32_t> number = AsInteger(value);
  if (!number) return std::nullopt;
  return *number != 0;
}

std::optional<std::int32_t> AsInteger(const PropertyValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
  if (const auto* small = std::get_if<std::int16_t>(&value)) return *small;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number;
  return ParseInteger(std::get<std::string>(value));
}

std::optional<Color> AsColor(const PropertyValue& value) {
  const std::optional<std::int32_t> number = AsInteger(value);
  if (!number) return std::nullopt;
  return static_cast<Color>(*number);
}

std::optional<std::string> AsText(const PropertyValue& value) {
  if (const auto* flag = std::get_if<bool>(&value)) return std::string(*flag ? "True" : "False");
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  return std::to_string(*AsInteger(value));
}

}  // namespace zv::cpumonitor
