// Enabling a named privilege (e.g. "SeDebugPrivilege") in the process's own access token.
#pragma once

#include <string_view>

namespace zv::platform {

enum class PrivilegeResult {
  kEnabled,
  kNotHeld,      // the account does not hold the privilege: the token was left as it was
  kNoToken,      // OpenProcessToken failed
  kUnknownName,  // LookupPrivilegeValue does not know the name
  kFailed,       // AdjustTokenPrivileges failed
};

class TokenPrivileges {
 public:
  virtual ~TokenPrivileges() = default;
  // OpenProcessToken(own process, TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY), LookupPrivilegeValue(no
  // system, name), AdjustTokenPrivileges with the one privilege set to SE_PRIVILEGE_ENABLED.
  virtual PrivilegeResult Enable(std::string_view name) = 0;
};

}  // namespace zv::platform
