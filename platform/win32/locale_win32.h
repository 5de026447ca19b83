// The user's regional settings from the locale functions.
#pragma once

#include "platform/locale.h"

namespace zv::platform {

class Win32RegionalSettings final : public RegionalSettings {
 public:
  std::string DecimalSeparator() override;
  std::string ThousandsSeparator() override;
  std::string TimeOfDay() override;
};

}  // namespace zv::platform
