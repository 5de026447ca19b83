// A byte count as text in B, K, MB or GB, with the user's thousands separator and decimal point.
#include "cpumonitor/format_filesize.h"

#include <cmath>
#include <cstdio>

#include "cpumonitor/rounding.h"

namespace zv::cpumonitor {
namespace {

constexpr double kKilo = 1024.0;
constexpr double kMega = 1048576.0;
constexpr double kGiga = 1073741824.0;

// The digits of a whole number held in a double, which may lie beyond any integer type.
std::string WholeDigits(double whole) {
  char buffer[400];
  std::snprintf(buffer, sizeof(buffer), "%.0f", whole);
  return buffer;
}

std::string Grouped(std::string_view digits, std::string_view separator) {
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
    text += digits[i];
  }
  return text;
}

// The number with grouped whole digits and `decimals` required decimals.
std::string FormatNumber(double value, int decimals, std::string_view thousands, std::string_view decimal) {
  const double scaled = RoundHalfEven(std::fabs(value) * std::pow(10.0, decimals));
  std::string digits = WholeDigits(scaled);
  if (digits.size() <= static_cast<std::size_t>(decimals)) {
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  }
  const std::size_t wholeLength = digits.size() - static_cast<std::size_t>(decimals);
  std::string text = (value < 0 && scaled != 0) ? "-" : "";
  text += Grouped(std::string_view(digits).substr(0, wholeLength), thousands);
  if (decimals > 0) {
    text += decimal;
    text += digits.substr(wholeLength);
  }
  return text;
}

}  // namespace

std::string FormatFilesize(double value, std::string_view thousandsSeparator,
                           std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return {};
  if (value <= kKilo) return FormatNumber(value, 0, thousandsSeparator, decimalSeparator) + " B";
  if (value < kMega) return FormatNumber(value / kKilo, 0, thousandsSeparator, decimalSeparator) + " K";
  if (value < kGiga) return FormatNumber(value / kMega, 2, thousandsSeparator, decimalSeparator) + " MB";
  return FormatNumber(value / kGiga, 2, thousandsSeparator, decimalSeparator) + " GB";
}

}  // namespace zv::cpumonitor
