// System counters that report what a test sets, and record every call.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/system_counters.h"

namespace zv::platform {

class FakeSystemCounters final : public SystemCounters {
 public:
  std::uint32_t PlatformId() override;
  NtStatus QueryBasic(BasicInformation& record) override;
  NtStatus QueryPerformance(PerformanceInformation& record) override;
  NtStatus QueryTimeOfDay(TimeOfDayInformation& record) override;
  DiskQuery DiskFreeSpaceEx(std::string_view drivePath, DiskSpaceEx& space) override;
  bool DiskFreeSpace(std::string_view drivePath, DiskGeometry& geometry) override;
  std::string WindowsFolder() override;

  std::uint32_t platformId = kPlatformWin32Nt;
  BasicInformation basic{1};
  PerformanceInformation performance;
  TimeOfDayInformation timeOfDay;
  // A non-zero status makes that query fail.
  NtStatus basicStatus = kNtSuccess;
  NtStatus performanceStatus = kNtSuccess;
  NtStatus timeOfDayStatus = kNtSuccess;

  // Drives by path as the caller passes it ("C:\"); a path missing from both maps fails.
  bool hasDiskFreeSpaceEx = true;
  std::map<std::string, DiskSpaceEx> drivesEx;
  std::map<std::string, DiskGeometry> drives;

  std::string windowsFolder = "C:\\WINDOWS";

  // "PlatformId", "QueryBasic", "QueryPerformance", "QueryTimeOfDay", "LookupDiskFreeSpaceEx",
  // "DiskFreeSpaceEx C:\", "DiskFreeSpace C:\", "WindowsFolder".
  std::vector<std::string> calls;
};

}  // namespace zv::platform
