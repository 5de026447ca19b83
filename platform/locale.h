// The user's regional settings that the program's texts follow.
#pragma once

#include <string>

namespace zv::platform {

class RegionalSettings {
 public:
  virtual ~RegionalSettings() = default;
  // UTF-8, e.g. "." or ",".
  virtual std::string DecimalSeparator() = 0;
  virtual std::string ThousandsSeparator() = 0;
  // The current time of day in the user's time format, e.g. "14:05:33".
  virtual std::string TimeOfDay() = 0;
};

// The separator to write decimals with: the user's at this moment, or "." when the platform gives
// none, so that the decimals never run into the whole part.
inline std::string DecimalSeparatorOrPoint(RegionalSettings& regional) {
  std::string separator = regional.DecimalSeparator();
  return separator.empty() ? "." : separator;
}

}  // namespace zv::platform
