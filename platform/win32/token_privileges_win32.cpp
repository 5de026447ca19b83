// Enabling privileges in the process's own token through advapi32.
#include "platform/win32/token_privileges_win32.h"

#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {

PrivilegeResult Win32TokenPrivileges::Enable(std::string_view name) {
  HANDLE rawToken = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken)) {
    return PrivilegeResult::kNoToken;
  }
  TokenHandle token(rawToken);

  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, Widen(name).c_str(), &privileges.Privileges[0].Luid)) {
    return PrivilegeResult::kUnknownName;
  }

  DWORD returnLength = 0;
  if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, &returnLength)) {
    return PrivilegeResult::kFailed;
  }
  // The call succeeds also when the account does not hold the privilege; only the last error tells.
  return GetLastError() == ERROR_NOT_ALL_ASSIGNED ? PrivilegeResult::kNotHeld : PrivilegeResult::kEnabled;
}

}  // namespace zv::platform
