// Formatting of byte counts and the memory-status snapshot.
#include "memory/memory_stats.h"

#include <cmath>
#include <cstdio>

namespace zv::memory {
namespace {

struct Unit {
  std::uint64_t size;
  int decimals;
  const char* name;
};

constexpr std::uint64_t kKiB = 1024;
constexpr Unit kUnits[] = {
    {kKiB * kKiB * kKiB * kKiB, 2, "TB"},
    {kKiB * kKiB * kKiB, 2, "GB"},
    {kKiB * kKiB, 2, "MB"},
    {kKiB, 1, "KB"},
};

// value / unit rounded half to even at the given decimals, written without trailing zeros.
std::string ShortestDecimal(std::uint64_t value, const Unit& unit, std::string_view separator) {
  const double scale = unit.decimals == 1 ? 10.0 : 100.0;
  // The default floating-point rounding mode rounds ties to even.
  const double scaled = std::nearbyint(static_cast<double>(value) / static_cast<double>(unit.size) * scale);
  const auto fixed = static_cast<std::uint64_t>(scaled);
  const auto divisor = static_cast<std::uint64_t>(scale);
  std::string text = std::to_string(fixed / divisor);
  std::uint64_t fraction = fixed % divisor;
  if (fraction == 0) return text;
  char digits[4];
  std::snprintf(digits, sizeof digits, unit.decimals == 1 ? "%01llu" : "%02llu",
                static_cast<unsigned long long>(fraction));
  std::string tail = digits;
  while (!tail.empty() && tail.back() == '0') tail.pop_back();
  text.append(separator);
  text.append(tail);
  return text;
}

}  // namespace

std::string FormatByteSize(std::uint64_t count, std::string_view decimalSeparator) {
  for (const Unit& unit : kUnits) {
    if (count >= unit.size) return ShortestDecimal(count, unit, decimalSeparator) + " " + unit.name;
  }
  return std::to_string(count) + " bytes";
}

ModuleGetMemoryStats2018::ModuleGetMemoryStats2018(platform::MemoryStatusSource& source,
                                                   platform::RegionalSettings& regional)
    : source_(source), regional_(regional) {}

void ModuleGetMemoryStats2018::CollectMemoryStats() {
  platform::MemoryStatusEx status;
  if (!source_.QueryEx(status)) status = {};
  const std::string separator = platform::DecimalSeparatorOrPoint(regional_);
  memoryTotalText_ = FormatByteSize(status.totalPhys, separator);
  memoryAvailText_ = FormatByteSize(status.availPhys, separator);
  memoryLoadText_ = std::to_string(status.memoryLoad) + "%";
}

}  // namespace zv::memory
