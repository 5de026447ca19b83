// The 64-bit fixed-point currency type: a signed count of ten-thousandths, with checked arithmetic.
#pragma once

#include <compare>
#include <cstdint>
#include <limits>
#include <optional>

#include "cpumonitor/rounding.h"

namespace zv::cpumonitor {

class Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromTenThousandths(std::int64_t raw) { return Currency(raw); }

  // A whole number; nullopt outside ±922,337,203,685,477.
  static constexpr std::optional<Currency> FromWhole(std::int64_t whole) {
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(whole, kScale, &raw)) return std::nullopt;
    return Currency(raw);
  }
  static constexpr std::optional<Currency> FromWhole(std::uint64_t whole) {
    if (whole > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return std::nullopt;
    return FromWhole(static_cast<std::int64_t>(whole));
  }
  // To the nearest ten-thousandth, halves to even; nullopt outside the range (or for NaN).
  static std::optional<Currency> FromDouble(double value) {
    const double raw = RoundHalfEven(value * kScale);
    // 2^63 is the first double past the range; every double below it converts exactly.
    if (!(raw >= -9223372036854775808.0 && raw < 9223372036854775808.0)) return std::nullopt;
    return Currency(static_cast<std::int64_t>(raw));
  }

  constexpr std::int64_t TenThousandths() const { return raw_; }
  constexpr double ToDouble() const {
    // Whole and fractional parts apart, so that large whole byte counts stay exact.
    return static_cast<double>(raw_ / kScale) + static_cast<double>(raw_ % kScale) / kScale;
  }
  // The nearest whole number, halves to even; nullopt when it does not fit in 32 bits.
  constexpr std::optional<std::int32_t> ToInt32() const {
    std::int64_t whole = raw_ / kScale;
    const std::int64_t rest = raw_ % kScale;  // same sign as raw_
    const std::int64_t half = kScale / 2;
    const std::int64_t away = raw_ < 0 ? -1 : 1;
    if (rest * away > half || (rest * away == half && whole % 2 != 0)) whole += away;
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max()) {
      return std::nullopt;
    }
    return static_cast<std::int32_t>(whole);
  }

  friend constexpr std::optional<Currency> operator+(Currency a, Currency b) {
    std::int64_t raw = 0;
    if (__builtin_add_overflow(a.raw_, b.raw_, &raw)) return std::nullopt;
    return Currency(raw);
  }
  friend constexpr std::optional<Currency> operator-(Currency a, Currency b) {
    std::int64_t raw = 0;
    if (__builtin_sub_overflow(a.raw_, b.raw_, &raw)) return std::nullopt;
    return Currency(raw);
  }
  // A whole-number factor, as in sectors × bytes × clusters.
  friend constexpr std::optional<Currency> operator*(Currency a, std::int64_t factor) {
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(a.raw_, factor, &raw)) return std::nullopt;
    return Currency(raw);
  }
  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
  std::int64_t raw_ = 0;
};

}  // namespace zv::cpumonitor
