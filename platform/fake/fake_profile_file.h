// Profile files with the platform's rules, kept as real UTF-8 files so tests can read what was written.
#pragma once

#include <string>
#include <vector>

#include "platform/profile_file.h"

namespace zv::platform {

// Reads the file at every call and rewrites it at every write, as "[section]" and "key=value" lines
// ending in CR LF; lines it does not change are kept as they were.
class FakeProfileFile final : public ProfileFile {
 public:
  std::size_t Read(std::string_view path, std::string_view section, std::string_view key,
                   std::size_t bufferChars, std::string& value) override;
  bool Write(std::string_view path, std::string_view section, std::string_view key,
             std::string_view value) override;

  // Every call in order: "Read VK Interval", "Write VK Interval=5 分钟".
  std::vector<std::string> calls;
};

}  // namespace zv::platform
