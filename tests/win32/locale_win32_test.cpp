// The user's regional settings come back as clean UTF-8 texts.
#include "platform/win32/locale_win32.h"

#include <gtest/gtest.h>

#include <regex>

namespace zv::platform {
namespace {

// The tests run with the Simplified Chinese locale (zh_CN).
TEST(LocaleWin32Test, SeparatorsAndTimeOfTheUsersLocale) {
  Win32RegionalSettings settings;
  EXPECT_EQ(settings.DecimalSeparator(), ".");
  EXPECT_EQ(settings.ThousandsSeparator(), ",");
  const std::string time = settings.TimeOfDay();
  EXPECT_TRUE(std::regex_match(time, std::regex("[0-9]{1,2}:[0-9]{2}:[0-9]{2}"))) << time;
}

}  // namespace
}  // namespace zv::platform
