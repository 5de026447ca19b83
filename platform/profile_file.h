// Profile (INI) files: reading and writing one value, with the platform's profile-function rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zv::platform {

// Rules the platform applies and callers rely on: section and key names match without regard to case;
// a read removes leading and trailing spaces of the value, then a pair of matching single or double
// quotes around it; a missing file, section or key and an empty value all copy 0 characters; a write
// creates the file and the section when needed, replaces an existing value in place and appends a new
// key at the end of its section.
class ProfileFile {
 public:
  virtual ~ProfileFile() = default;

  // GetPrivateProfileString(section, key, default "", buffer of `bufferChars` characters, path).
  // `value` receives the copied text (UTF-8); the result is the number of characters copied, at most
  // bufferChars - 1 (the platform keeps one for the NUL). Characters are the platform's text units
  // (UTF-16 on Windows): a character outside the Basic Multilingual Plane counts two.
  virtual std::size_t Read(std::string_view path, std::string_view section, std::string_view key,
                           std::size_t bufferChars, std::string& value) = 0;

  // WritePrivateProfileString(section, key, value, path); true when the platform reports success.
  virtual bool Write(std::string_view path, std::string_view section, std::string_view key,
                     std::string_view value) = 0;
};

}  // namespace zv::platform
