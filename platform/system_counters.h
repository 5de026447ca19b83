// The platform family, the kernel's processor counters, disk space and the Windows folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zv::platform {

// NTSTATUS as NtQuerySystemInformation returns it; 0 means the record was filled.
using NtStatus = std::int32_t;
constexpr NtStatus kNtSuccess = 0;
constexpr NtStatus kNtNotImplemented = static_cast<NtStatus>(0xC0000002u);

// GetVersionEx's platform identifier for the NT family.
constexpr std::uint32_t kPlatformWin32Nt = 2;

// The fields the program reads from the three system-information classes, taken from the
// records at the offsets of the architecture the program was built for.
struct BasicInformation {  // class 0
  std::uint8_t numberOfProcessors = 0;
};
struct PerformanceInformation {  // class 2
  std::int64_t idleTime = 0;     // cumulative, 100-ns units
};
struct TimeOfDayInformation {  // class 3
  std::int64_t bootTime = 0;
  std::int64_t currentTime = 0;  // 100-ns units
};

// GetDiskFreeSpaceEx's three byte counts.
struct DiskSpaceEx {
  std::uint64_t availableToCaller = 0;
  std::uint64_t total = 0;
  std::uint64_t totalFree = 0;
};

// GetDiskFreeSpace's cluster geometry.
struct DiskGeometry {
  std::uint32_t sectorsPerCluster = 0;
  std::uint32_t bytesPerSector = 0;
  std::uint32_t freeClusters = 0;
  std::uint32_t totalClusters = 0;
};

enum class DiskQuery {
  kUnavailable,  // the extended function is not exported by this system
  kFailed,
  kSucceeded,
};

class SystemCounters {
 public:
  virtual ~SystemCounters() = default;

  // GetVersionEx's platform identifier; 0 when the query failed.
  virtual std::uint32_t PlatformId() = 0;

  // NtQuerySystemInformation; a record is left as it was unless the status is kNtSuccess.
  virtual NtStatus QueryBasic(BasicInformation& record) = 0;
  virtual NtStatus QueryPerformance(PerformanceInformation& record) = 0;
  virtual NtStatus QueryTimeOfDay(TimeOfDayInformation& record) = 0;

  // Looks the extended disk function up by name on every call, then calls it when it exists.
  virtual DiskQuery DiskFreeSpaceEx(std::string_view drivePath, DiskSpaceEx& space) = 0;
  // The old disk function, present on every system; false when it failed.
  virtual bool DiskFreeSpace(std::string_view drivePath, DiskGeometry& geometry) = 0;

  // GetWindowsDirectory, UTF-8; empty when it failed.
  virtual std::string WindowsFolder() = 0;
};

}  // namespace zv::platform
