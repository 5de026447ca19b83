// The single-instance lock as a named mutex, and the show message posted to the session's windows.
#include "platform/win32/instance_guard_win32.h"

#include "platform/win32/late_binding.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {
namespace {

// Vista's filter for messages from processes of a lower integrity level; Windows XP has no such barrier.
using ChangeWindowMessageFilterFunction = BOOL(WINAPI*)(UINT message, DWORD flag);
constexpr DWORD kMessageFilterAdd = 1;  // MSGFLT_ADD

ChangeWindowMessageFilterFunction LookupMessageFilter() {
  return LateBound<ChangeWindowMessageFilterFunction>(L"user32.dll", "ChangeWindowMessageFilter");
}

}  // namespace

bool Win32InstanceGuard::Claim() {
  if (lock_) return true;
  // The mutex is only named, never owned: its existence is the lock.
  MutexHandle lock(CreateMutexW(nullptr, FALSE, Widen(lockName_).c_str()));
  const DWORD error = GetLastError();
  if (!lock) {
    // A copy started with administrative rights made the mutex with a list this account is not on.
    return error != ERROR_ACCESS_DENIED;
  }
  if (error == ERROR_ALREADY_EXISTS) return false;
  lock_ = std::move(lock);
  return true;
}

void Win32InstanceGuard::AcceptMessage(std::uint32_t message) {
  static const ChangeWindowMessageFilterFunction filter = LookupMessageFilter();
  if (filter != nullptr) filter(message, kMessageFilterAdd);
}

void Win32InstanceGuard::NotifyRunningInstance(std::uint32_t message) {
  if (message == 0) return;
  // This process was just started by the user and may take the foreground; the running copy may then too.
  AllowSetForegroundWindow(ASFW_ANY);
  // Every top-level window gets it, hidden ones too; only the running copy's main window knows the number.
  PostMessageW(HWND_BROADCAST, message, 0, 0);
}

}  // namespace zv::platform
