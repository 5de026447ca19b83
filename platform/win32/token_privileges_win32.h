// Enabling privileges in the process's own token through advapi32.
#pragma once

#include "platform/token_privileges.h"

namespace zv::platform {

class Win32TokenPrivileges final : public TokenPrivileges {
 public:
  PrivilegeResult Enable(std::string_view name) override;
};

}  // namespace zv::platform
