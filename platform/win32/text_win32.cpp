// UTF-8 <-> UTF-16 with the platform's converters.
#include "platform/win32/text_win32.h"

#include "platform/win32/windows_api.h"

namespace zv::platform {

std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = static_cast<int>(utf8.size());
  const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring result(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, result.data(), wide);
  return result;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int length = static_cast<int>(utf16.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, result.data(), bytes, nullptr, nullptr);
  return result;
}

}  // namespace zv::platform
