// Profile files through the wide profile functions, new files created as UTF-16.
#pragma once

#include "platform/profile_file.h"

namespace zv::platform {

class Win32ProfileFile final : public ProfileFile {
 public:
  std::size_t Read(std::string_view path, std::string_view section, std::string_view key,
                   std::size_t bufferChars, std::string& value) override;
  bool Write(std::string_view path, std::string_view section, std::string_view key,
             std::string_view value) override;
};

}  // namespace zv::platform
