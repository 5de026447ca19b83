// The single-instance lock as a named mutex, and the show message posted to the session's windows.
#pragma once

#include <string>
#include <string_view>

#include "platform/instance_guard.h"
#include "platform/win32/handles.h"

namespace zv::platform {

class Win32InstanceGuard final : public InstanceGuard {
 public:
  // Tests name a lock of their own; the program uses the fixed one.
  explicit Win32InstanceGuard(std::string_view lockName = kInstanceLockName) : lockName_(lockName) {}

  bool Claim() override;
  void AcceptMessage(std::uint32_t message) override;
  void NotifyRunningInstance(std::uint32_t message) override;

  bool Holds() const { return lock_.IsValid(); }

 private:
  std::string lockName_;
  // Open for the guard's life; the system also lets go of it when the process ends in any way.
  MutexHandle lock_;
};

}  // namespace zv::platform
