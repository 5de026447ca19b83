// The memory status the platform reports is filled in and consistent.
#include "platform/win32/memory_status_win32.h"

#include <gtest/gtest.h>

namespace zv::platform {
namespace {

TEST(MemoryStatusWin32Test, BothRecordsAreSane) {
  Win32MemoryStatus source;
  MemoryStatusEx ex;
  ASSERT_TRUE(source.QueryEx(ex));
  EXPECT_LE(ex.memoryLoad, 100u);
  EXPECT_GT(ex.availPhys, 0u);
  EXPECT_GT(ex.totalPhys, ex.availPhys);
  EXPECT_GE(ex.totalPageFile, ex.availPageFile);
  EXPECT_GT(ex.totalVirtual, ex.availVirtual);

  MemoryStatus32 old;
  source.Query32(old);
  EXPECT_LE(old.memoryLoad, 100u);
  EXPECT_GT(old.availPhys, 0u);
  EXPECT_GE(old.totalPhys, old.availPhys);
  // The 32-bit figures are the same memory, at most clamped to what a 32-bit count can say.
  EXPECT_LE(old.totalPhys, ex.totalPhys);
}

}  // namespace
}  // namespace zv::platform
