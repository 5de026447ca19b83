// Physical-memory status from GlobalMemoryStatusEx and GlobalMemoryStatus.
#include "platform/win32/memory_status_win32.h"

#include "platform/win32/windows_api.h"

namespace zv::platform {

bool Win32MemoryStatus::QueryEx(MemoryStatusEx& status) {
  MEMORYSTATUSEX record{};
  record.dwLength = sizeof(record);
  if (!GlobalMemoryStatusEx(&record)) {
    status = {};
    return false;
  }
  status.memoryLoad = record.dwMemoryLoad;
  status.totalPhys = record.ullTotalPhys;
  status.availPhys = record.ullAvailPhys;
  status.totalPageFile = record.ullTotalPageFile;
  status.availPageFile = record.ullAvailPageFile;
  status.totalVirtual = record.ullTotalVirtual;
  status.availVirtual = record.ullAvailVirtual;
  return true;
}

void Win32MemoryStatus::Query32(MemoryStatus32& status) {
  MEMORYSTATUS record{};
  record.dwLength = sizeof(record);
  GlobalMemoryStatus(&record);
  // SIZE_T is 32 bits in this build: the figures are the ones the platform reports to a 32-bit program.
  status.memoryLoad = record.dwMemoryLoad;
  status.totalPhys = static_cast<std::uint32_t>(record.dwTotalPhys);
  status.availPhys = static_cast<std::uint32_t>(record.dwAvailPhys);
  status.totalPageFile = static_cast<std::uint32_t>(record.dwTotalPageFile);
  status.availPageFile = static_cast<std::uint32_t>(record.dwAvailPageFile);
  status.totalVirtual = static_cast<std::uint32_t>(record.dwTotalVirtual);
  status.availVirtual = static_cast<std::uint32_t>(record.dwAvailVirtual);
}

}  // namespace zv::platform
