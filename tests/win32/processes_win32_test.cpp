// Walking the process list, trimming working sets and enabling a privilege on the real platform.
#include "platform/win32/processes_win32.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/token_privileges_win32.h"
#include "platform/win32/windows_api.h"
#include "tests/win32/allocation_count.h"

namespace zv::platform {
namespace {

using ::testing::Contains;

std::vector<ProcessId> WalkAll(ProcessList& list) {
  std::vector<ProcessId> ids;
  ProcessSnapshot snapshot = list.TakeSnapshot();
  ProcessId id = 0;
  for (bool more = list.First(snapshot, id); more; more = list.Next(snapshot, id)) ids.push_back(id);
  return ids;
}

TEST(ProcessesWin32Test, TheWalkFindsThisProcess) {
  Win32ProcessList list;
  EXPECT_EQ(list.CurrentProcessId(), GetCurrentProcessId());
  EXPECT_THAT(WalkAll(list), Contains(list.CurrentProcessId()));
}

TEST(ProcessesWin32Test, TrimsItselfAndPassesOverProcessesItCannotOpen) {
  Win32ProcessList list;
  EXPECT_EQ(list.TrimWorkingSet(list.CurrentProcessId()), TrimResult::kTrimmed);
  EXPECT_EQ(list.TrimWorkingSet(0), TrimResult::kNotOpened);  // the idle process never opens
}

bool IsOpenHandle(OpaqueHandle handle) {
  DWORD flags = 0;
  return GetHandleInformation(reinterpret_cast<HANDLE>(handle), &flags) != 0;
}

TEST(ProcessesWin32Test, TheSnapshotIsClosedWithItsOwner) {
  Win32ProcessList list;
  ProcessSnapshot snapshot = list.TakeSnapshot();
  const OpaqueHandle raw = snapshot.get();
  ASSERT_TRUE(IsOpenHandle(raw));
  snapshot.Reset();
  EXPECT_FALSE(IsOpenHandle(raw));
}

TEST(ProcessesWin32Test, AWalkAndItsTrimsAllocateNothing) {
  Win32ProcessList list;
  ProcessSnapshot snapshot = list.TakeSnapshot();
  int processes = 0;
  const long before = AllocationCount();
  ProcessId id = 0;
  for (bool more = list.First(snapshot, id); more; more = list.Next(snapshot, id)) {
    list.TrimWorkingSet(id);
    ++processes;
  }
  EXPECT_EQ(AllocationCount() - before, 0);
  EXPECT_GT(processes, 1);
}

TEST(ProcessesWin32Test, ASnapshotThatCouldNotBeTakenWalksNothing) {
  Win32ProcessList list;
  ProcessSnapshot none;
  ProcessId id = 123;
  EXPECT_FALSE(list.First(none, id));
  EXPECT_FALSE(list.Next(none, id));
  EXPECT_EQ(id, 123u);
}

TEST(TokenPrivilegesWin32Test, KnownAndUnknownPrivileges) {
  Win32TokenPrivileges privileges;
  // Whether the account holds it depends on the machine; the call itself must get through.
  const PrivilegeResult debug = privileges.Enable("SeDebugPrivilege");
  EXPECT_TRUE(debug == PrivilegeResult::kEnabled || debug == PrivilegeResult::kNotHeld);
  EXPECT_EQ(privileges.Enable("SeNoSuchPrivilege"), PrivilegeResult::kUnknownName);
}

}  // namespace
}  // namespace zv::platform
