// Opening documents and addresses through ShellExecuteW.
#pragma once

#include "platform/shell.h"

namespace zv::platform {

class Win32ShellExecutor final : public ShellExecutor {
 public:
  bool Execute(WindowHandle owner, std::string_view verb, std::string_view file) override;
};

}  // namespace zv::platform
