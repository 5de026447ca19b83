// Regional settings fixed by the test.
#pragma once

#include <string>

#include "platform/locale.h"

namespace zv::platform {

class FakeRegionalSettings final : public RegionalSettings {
 public:
  std::string DecimalSeparator() override { return decimal; }
  std::string ThousandsSeparator() override { return thousands; }
  std::string TimeOfDay() override { return time; }

  std::string decimal = ".";
  std::string thousands = ",";
  std::string time = "14:05:33";
};

}  // namespace zv::platform
