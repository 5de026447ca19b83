// Rounding as the monitor's figures need it: to the nearest, halves to even, independent of the FPU mode.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

namespace zv::cpumonitor {

inline double RoundHalfEven(double value) {
  const double rounded = std::round(value);  // halves away from zero
  if (std::fabs(value - std::trunc(value)) != 0.5) return rounded;
  return 2.0 * std::round(value / 2.0);
}

// To `decimals` places, halves to even at the last place.
inline double RoundToDecimals(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return RoundHalfEven(value * scale) / scale;
}

// The nearest 32-bit whole number, halves to even; nullopt when it does not fit (or for NaN).
// Truncation and an exact remainder, without library calls: the drawing rounds every plotted level.
inline std::optional<std::int32_t> RoundToInt32(double value) {
  if (!(value > -2147483650.0 && value < 2147483650.0)) return std::nullopt;
  std::int64_t whole = static_cast<std::int64_t>(value);   // toward zero
  const double rest = value - static_cast<double>(whole);  // exact below 2^52
  if (rest > 0.5 || (rest == 0.5 && (whole & 1) != 0)) ++whole;
  if (rest < -0.5 || (rest == -0.5 && (whole & 1) != 0)) --whole;
  if (whole < INT32_MIN || whole > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(whole);
}

}  // namespace zv::cpumonitor
