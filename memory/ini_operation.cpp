// The settings file: reading and writing one value through the platform's profile functions.
#include "memory/ini_operation.h"

namespace zv::memory {
namespace {

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string SettingsFilePath(std::string_view folder) { return std::string(folder) + "\\config.ini"; }

std::string ReadIniValue(platform::ProfileFile& profile, std::string_view fileName, std::string_view section,
                         std::string_view key) {
  std::string buffer;
  if (profile.Read(fileName, section, key, kIniValueBufferChars, buffer) == 0) return {};
  std::string_view value = buffer;
  value = value.substr(0, value.find('\0'));
  return std::string(TrimSpaces(value));
}

bool WriteIniValue(platform::ProfileFile& profile, std::string_view fileName, std::string_view section,
                   std::string_view key, std::string_view value) {
  return profile.Write(fileName, section, key, value);
}

}  // namespace zv::memory
