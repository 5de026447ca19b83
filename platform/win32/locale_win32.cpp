// Separators from GetLocaleInfoW, the time of day from GetTimeFormatW, both for the user's locale;
// the locale-name (Ex) forms are missing on XP.
#include "platform/win32/locale_win32.h"

#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {
namespace {

// Both values are at most four characters; the buffer holds more than the platform ever gives.
std::string LocaleText(LCTYPE type) {
  wchar_t buffer[16];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer)));
  if (length <= 1) return {};
  return Narrow(std::wstring_view(buffer, static_cast<size_t>(length - 1)));
}

}  // namespace

std::string Win32RegionalSettings::DecimalSeparator() { return LocaleText(LOCALE_SDECIMAL); }

std::string Win32RegionalSettings::ThousandsSeparator() { return LocaleText(LOCALE_STHOUSAND); }

std::string Win32RegionalSettings::TimeOfDay() {
  wchar_t buffer[80];
  const int length =
      GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, static_cast<int>(std::size(buffer)));
  if (length <= 1) return {};
  return Narrow(std::wstring_view(buffer, static_cast<size_t>(length - 1)));
}

}  // namespace zv::platform
