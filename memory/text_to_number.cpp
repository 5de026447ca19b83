// Settings text to a whole number: decimal, blanks around it ignored, a fraction rounded half to even.
#include "memory/text_to_number.h"

#include <limits>

namespace zv::memory {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// Above one half rounds up; exactly one half rounds up only from an odd whole part.
bool RoundsUp(std::int64_t whole, std::string_view fraction) {
  if (fraction.empty() || fraction.front() < '5') return false;
  if (fraction.front() > '5') return true;
  const bool aboveHalf = fraction.find_first_not_of('0', 1) != std::string_view::npos;
  return aboveHalf || whole % 2 == 1;
}

}  // namespace

std::optional<std::int32_t> TextToWholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if (!AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;

  // 2^31 is the largest magnitude either sign can reach; stopping above it keeps the sum in 64 bits.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (char c : whole) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kLimit) return std::nullopt;
  }
  if (RoundsUp(magnitude, fraction)) ++magnitude;
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace zv::memory
