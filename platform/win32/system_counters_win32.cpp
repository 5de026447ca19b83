// The platform family, the kernel's processor counters, disk space and the Windows folder.
#include "platform/win32/system_counters_win32.h"

#include <cstddef>
#include <cstring>

#include "platform/win32/late_binding.h"
#include "platform/win32/text_win32.h"
#include "platform/win32/windows_api.h"

namespace zv::platform {
namespace {

constexpr unsigned long kBasicInformation = 0;
constexpr unsigned long kPerformanceInformation = 2;
constexpr unsigned long kTimeOfDayInformation = 3;

// SYSTEM_BASIC_INFORMATION. Three members are pointer-sized, so the processor count sits at
// offset 40 of 44 bytes in a 32-bit process and at offset 56 of 64 bytes in a 64-bit one.
struct BasicRecord {
  ULONG reserved;
  ULONG timerResolution;
  ULONG pageSize;
  ULONG numberOfPhysicalPages;
  ULONG lowestPhysicalPageNumber;
  ULONG highestPhysicalPageNumber;
  ULONG allocationGranularity;
  ULONG_PTR minimumUserModeAddress;
  ULONG_PTR maximumUserModeAddress;
  ULONG_PTR activeProcessorsAffinityMask;
  CCHAR numberOfProcessors;
};
constexpr bool kIs32Bit = sizeof(void*) == 4;
static_assert(offsetof(BasicRecord, numberOfProcessors) == (kIs32Bit ? 40 : 56));
static_assert(sizeof(BasicRecord) == (kIs32Bit ? 44 : 64));

// SYSTEM_PERFORMANCE_INFORMATION (idle time at offset 0) and SYSTEM_TIMEOFDAY_INFORMATION (boot
// time at 0, current time at 8) hold only fixed-size members: the same layout in either architecture.
constexpr unsigned long kPerformanceSize = 312;
constexpr unsigned long kTimeOfDaySize = 32;

std::int64_t Int64At(const unsigned char* record, std::size_t offset) {
  std::int64_t value = 0;
  std::memcpy(&value, record + offset, sizeof(value));
  return value;
}

using DiskFreeSpaceExFunction = BOOL(WINAPI*)(LPCWSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

}  // namespace

Win32SystemCounters::Win32SystemCounters()
    : query_(LateBound<QueryFunction>(L"ntdll.dll", "NtQuerySystemInformation")) {}

std::uint32_t Win32SystemCounters::PlatformId() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!GetVersionExW(&version)) return 0;
  return version.dwPlatformId;
}

NtStatus Win32SystemCounters::Query(unsigned long infoClass, void* record, unsigned long size) {
  if (!query_) return kNtNotImplemented;
  return query_(infoClass, record, size, nullptr);
}

NtStatus Win32SystemCounters::QueryBasic(BasicInformation& record) {
  BasicRecord raw{};
  const NtStatus status = Query(kBasicInformation, &raw, sizeof(raw));
  if (status == kNtSuccess) record.numberOfProcessors = static_cast<std::uint8_t>(raw.numberOfProcessors);
  return status;
}

NtStatus Win32SystemCounters::QueryPerformance(PerformanceInformation& record) {
  alignas(8) unsigned char raw[kPerformanceSize] = {};
  const NtStatus status = Query(kPerformanceInformation, raw, sizeof(raw));
  if (status == kNtSuccess) record.idleTime = Int64At(raw, 0);
  return status;
}

NtStatus Win32SystemCounters::QueryTimeOfDay(TimeOfDayInformation& record) {
  alignas(8) unsigned char raw[kTimeOfDaySize] = {};
  const NtStatus status = Query(kTimeOfDayInformation, raw, sizeof(raw));
  if (status == kNtSuccess) {
    record.bootTime = Int64At(raw, 0);
    record.currentTime = Int64At(raw, 8);
  }
  return status;
}

DiskQuery Win32SystemCounters::DiskFreeSpaceEx(std::string_view drivePath, DiskSpaceEx& space) {
  const auto function = LateBound<DiskFreeSpaceExFunction>(L"kernel32.dll", "GetDiskFreeSpaceExW");
  if (!function) return DiskQuery::kUnavailable;
  ULARGE_INTEGER available{}, total{}, totalFree{};
  if (!function(Widen(drivePath).c_str(), &available, &total, &totalFree)) return DiskQuery::kFailed;
  space.availableToCaller = available.QuadPart;
  space.total = total.QuadPart;
  space.totalFree = totalFree.QuadPart;
  return DiskQuery::kSucceeded;
}

bool Win32SystemCounters::DiskFreeSpace(std::string_view drivePath, DiskGeometry& geometry) {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceW(Widen(drivePath).c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                         &totalClusters)) {
    return false;
  }
  geometry = {sectorsPerCluster, bytesPerSector, freeClusters, totalClusters};
  return true;
}

std::string Win32SystemCounters::WindowsFolder() {
  constexpr UINT kCapacity = 255;
  wchar_t buffer[kCapacity] = {};
  const UINT written = GetWindowsDirectoryW(buffer, kCapacity);
  // A folder longer than the buffer comes back as the size it needs, with nothing written.
  if (written == 0 || written >= kCapacity) return {};
  return Narrow(std::wstring_view(buffer, written));
}

}  // namespace zv::platform
