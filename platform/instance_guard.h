// One running copy of the program per user session: a lock named for the session, and the message with
// which a later start asks the running copy to bring its main window forward.
#pragma once

#include <cstdint>
#include <string_view>

namespace zv::platform {

// Fixed names, not derived from the executable's path: copies in two folders are still one program.
// "Local\" keeps the lock in the session's namespace, so every signed-in user has a copy of their own.
inline constexpr std::string_view kInstanceLockName =
    "Local\\Zorvane.Instance.73c432de-7199-407d-b77c-3ab50ca32ef3";
// Registered with RegisterWindowMessage; the running copy's main window answers it like the icon's
// double-click.
inline constexpr std::string_view kShowMainWindowMessageName =
    "Zorvane.ShowMainWindow.73c432de-7199-407d-b77c-3ab50ca32ef3";

class InstanceGuard {
 public:
  virtual ~InstanceGuard() = default;
  // Takes the session's lock and holds it while the guard lives. False when another process holds it,
  // also one whose lock this account may not open (a copy started with administrative rights). A lock
  // that cannot be made at all answers true: two copies are better than none.
  [[nodiscard]] virtual bool Claim() = 0;
  // The running copy: `message` also gets through from a process with fewer rights than this one.
  virtual void AcceptMessage(std::uint32_t message) = 0;
  // A later start: lets the running copy take the foreground, then posts `message` (not 0) to every
  // top-level window of the session.
  virtual void NotifyRunningInstance(std::uint32_t message) = 0;
};

}  // namespace zv::platform
