// The settings file: reading and writing one value through the platform's profile functions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/profile_file.h"

namespace zv::memory {

// Characters the read asks the platform for, its NUL included: a longer value is cut to 254.
inline constexpr std::size_t kIniValueBufferChars = 255;

// The settings file beside the executable: the folder, then "\config.ini". The folder has no trailing
// separator except at a drive root, where the path gets two ("C:\\config.ini"); the platform accepts it.
std::string SettingsFilePath(std::string_view folder);

// The value with the spaces around it removed. A missing file, section or key and an empty value all
// read as the empty text.
std::string ReadIniValue(platform::ProfileFile& profile, std::string_view fileName, std::string_view section,
                         std::string_view key);

// Creates the file and the section when needed, replaces an existing value in place and appends a new
// key at the end of its section; false when the platform could not write (a read-only folder).
[[nodiscard]] bool WriteIniValue(platform::ProfileFile& profile, std::string_view fileName,
                                 std::string_view section, std::string_view key, std::string_view value);

}  // namespace zv::memory
