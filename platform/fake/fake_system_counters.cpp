// System counters that report what a test sets, and record every call.
#include "platform/fake/fake_system_counters.h"

namespace zv::platform {

std::uint32_t FakeSystemCounters::PlatformId() {
  calls.push_back("PlatformId");
  return platformId;
}

NtStatus FakeSystemCounters::QueryBasic(BasicInformation& record) {
  calls.push_back("QueryBasic");
  if (basicStatus == kNtSuccess) record = basic;
  return basicStatus;
}

NtStatus FakeSystemCounters::QueryPerformance(PerformanceInformation& record) {
  calls.push_back("QueryPerformance");
  if (performanceStatus == kNtSuccess) record = performance;
  return performanceStatus;
}

NtStatus FakeSystemCounters::QueryTimeOfDay(TimeOfDayInformation& record) {
  calls.push_back("QueryTimeOfDay");
  if (timeOfDayStatus == kNtSuccess) record = timeOfDay;
  return timeOfDayStatus;
}

DiskQuery FakeSystemCounters::DiskFreeSpaceEx(std::string_view drivePath, DiskSpaceEx& space) {
  calls.push_back("LookupDiskFreeSpaceEx");
  if (!hasDiskFreeSpaceEx) return DiskQuery::kUnavailable;
  calls.push_back("DiskFreeSpaceEx " + std::string(drivePath));
  const auto drive = drivesEx.find(std::string(drivePath));
  if (drive == drivesEx.end()) return DiskQuery::kFailed;
  space = drive->second;
  return DiskQuery::kSucceeded;
}

bool FakeSystemCounters::DiskFreeSpace(std::string_view drivePath, DiskGeometry& geometry) {
  calls.push_back("DiskFreeSpace " + std::string(drivePath));
  const auto drive = drives.find(std::string(drivePath));
  if (drive == drives.end()) return false;
  geometry = drive->second;
  return true;
}

std::string FakeSystemCounters::WindowsFolder() {
  calls.push_back("WindowsFolder");
  return windowsFolder;
}

}  // namespace zv::platform
