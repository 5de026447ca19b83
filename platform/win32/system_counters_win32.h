// The platform family, the kernel's processor counters, disk space and the Windows folder.
#pragma once

#include "platform/system_counters.h"

namespace zv::platform {

class Win32SystemCounters final : public SystemCounters {
 public:
  Win32SystemCounters();

  std::uint32_t PlatformId() override;
  NtStatus QueryBasic(BasicInformation& record) override;
  NtStatus QueryPerformance(PerformanceInformation& record) override;
  NtStatus QueryTimeOfDay(TimeOfDayInformation& record) override;
  DiskQuery DiskFreeSpaceEx(std::string_view drivePath, DiskSpaceEx& space) override;
  bool DiskFreeSpace(std::string_view drivePath, DiskGeometry& geometry) override;
  std::string WindowsFolder() override;

 private:
  using QueryFunction = NtStatus(__stdcall*)(unsigned long infoClass, void* record, unsigned long size,
                                             unsigned long* returned);
  NtStatus Query(unsigned long infoClass, void* record, unsigned long size);

  QueryFunction query_ = nullptr;  // null where ntdll does not export it (the 9x family)
};

}  // namespace zv::platform
