// The single-instance lock as a named mutex: one holder at a time, released with its guard. (The show
// message needs windows, which this test process cannot make without a display: e2e single_instance.)
#include "platform/win32/instance_guard_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/windows_api.h"

namespace zv::platform {
namespace {

// Names of this test process alone, so that a copy of the program running meanwhile does not matter.
std::string TestName(const char* what) {
  return std::string("Local\\Zorvane.Test.") + what + "." + std::to_string(GetCurrentProcessId());
}

TEST(InstanceGuardWin32Test, OneHolderAtATimeUntilItsGuardGoes) {
  const std::string name = TestName("Lock");
  {
    Win32InstanceGuard first(name);
    ASSERT_TRUE(first.Claim());
    EXPECT_TRUE(first.Holds());
    EXPECT_TRUE(first.Claim());  // claiming again keeps the lock
    Win32InstanceGuard second(name);
    EXPECT_FALSE(second.Claim());
    EXPECT_FALSE(second.Holds());
    EXPECT_FALSE(second.Claim());
    Win32InstanceGuard elsewhere(name + ".other");
    EXPECT_TRUE(elsewhere.Claim());
  }
  Win32InstanceGuard later(name);
  EXPECT_TRUE(later.Claim());
}

}  // namespace
}  // namespace zv::platform
