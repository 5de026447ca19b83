// The measuring side of the monitor: platform family, CPU load, memory and disk levels, Windows folder.
#include "cpumonitor/cpu_monitor_support.h"

#include <limits>
#include <optional>

#include "cpumonitor/rounding.h"

namespace zv::cpumonitor {
namespace {

using platform::RegistryRoot;

constexpr std::string_view kCounterValueName = "KERNEL\\CPUUsage";
constexpr std::string_view kStartKey = "PerfStats\\StartStat";
constexpr std::string_view kDataKey = "PerfStats\\StatData";
constexpr std::string_view kStopKey = "PerfStats\\StopStat";
constexpr double kTicksPerMillisecond = 10000;  // 100-ns units

std::int32_t Saturated(std::uint64_t count) {
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(count < kMax ? count : kMax);
}

// (1 - available / total) x 100: the share in use. A zero total has no share.
std::optional<float> ShareInUse(std::uint64_t available, std::uint64_t total) {
  if (total == 0) return std::nullopt;
  return static_cast<float>((1.0 - static_cast<double>(available) / static_cast<double>(total)) * 100.0);
}

// available / total x 100 as a 32-bit float, then to currency's four decimals and back.
std::optional<float> ShareFree(Currency available, Currency total) {
  if (total.TenThousandths() == 0) return std::nullopt;
  const auto percent = static_cast<float>(available.ToDouble() / total.ToDouble() * 100.0);
  const std::optional<Currency> held = Currency::FromDouble(percent);
  if (!held) return std::nullopt;
  return static_cast<float>(held->ToDouble());
}

}  // namespace

ModuleCpuMonitorSupport::ModuleCpuMonitorSupport(const SupportServices& services) : services_(services) {}

bool ModuleCpuMonitorSupport::IsWindowsNT() {
  return services_.counters.PlatformId() == platform::kPlatformWin32Nt;
}

void ModuleCpuMonitorSupport::InitializeCpuCounter(bool isNT) {
  if (isNT) {
    InitializeNt();
  } else {
    Initialize9x();
  }
}

float ModuleCpuMonitorSupport::GetCpuUsage(bool isNT) { return isNT ? SampleNt() : Sample9x(); }

void ModuleCpuMonitorSupport::TerminateCpuCounter(bool isNT) {
  if (!isNT) Terminate9x();
}

void ModuleCpuMonitorSupport::InitializeNt() {
  platform::TimeOfDayInformation time;
  if (services_.counters.QueryTimeOfDay(time) != platform::kNtSuccess) return;
  platform::PerformanceInformation performance;
  if (services_.counters.QueryPerformance(performance) != platform::kNtSuccess) return;
  previousIdleTime_ = performance.idleTime;
  previousSystemTime_ = time.currentTime;
}

float ModuleCpuMonitorSupport::SampleNt() {
  constexpr float kUnmeasured = -1;
  platform::BasicInformation basic;
  platform::TimeOfDayInformation time;
  platform::PerformanceInformation performance;
  if (services_.counters.QueryBasic(basic) != platform::kNtSuccess) return kUnmeasured;
  if (services_.counters.QueryTimeOfDay(time) != platform::kNtSuccess) return kUnmeasured;
  if (services_.counters.QueryPerformance(performance) != platform::kNtSuccess) return kUnmeasured;

  std::int64_t idleDelta = 0;
  std::int64_t timeDelta = 0;
  if (__builtin_sub_overflow(performance.idleTime, previousIdleTime_, &idleDelta)) return kUnmeasured;
  if (__builtin_sub_overflow(time.currentTime, previousSystemTime_, &timeDelta)) return kUnmeasured;
  // With no time between two samples the idle delta, in milliseconds, stands in for the ratio.
  const double ratio =
      timeDelta != 0 ? RoundToDecimals(static_cast<double>(idleDelta) / static_cast<double>(timeDelta), 4)
                     : static_cast<double>(idleDelta) / kTicksPerMillisecond;
  if (basic.numberOfProcessors == 0) return kUnmeasured;
  // The half is added before rounding to even: 10.3 reads 11, an exact 10 reads 10, an exact 11 reads 12.
  const double load = 100.0 - (ratio * 100.0) / basic.numberOfProcessors + 0.5;
  const double whole = RoundHalfEven(RoundToDecimals(load, 4));

  previousIdleTime_ = performance.idleTime;
  previousSystemTime_ = time.currentTime;
  return static_cast<float>(whole);
}

platform::RegistryStatus ModuleCpuMonitorSupport::QueryCounter(const platform::RegistryKey& key) {
  return services_.registry.QueryValue(key, kCounterValueName, counterValue_).status;
}

// Reading the value under the start key starts the kernel's counter; the data read there is not used.
void ModuleCpuMonitorSupport::Initialize9x() {
  counterKey_ =
      services_.registry.OpenKey(RegistryRoot::kDynData, kStartKey, platform::regaccess::kAllAccess).key;
  if (!counterKey_) return;
  QueryCounter(counterKey_);
  counterKey_.Reset();
  counterKey_ = services_.registry.OpenKey(RegistryRoot::kDynData, kDataKey, platform::regaccess::kRead).key;
}

float ModuleCpuMonitorSupport::Sample9x() {
  if (QueryCounter(counterKey_) != platform::regstatus::kSuccess) {
    services_.messages.Show("Unable to Query Registry!", forms::MessageIcon::None);
    return -1;
  }
  return static_cast<float>(counterValue_[0]);  // the low byte of the little-endian value
}

void ModuleCpuMonitorSupport::Terminate9x() {
  counterKey_.Reset();
  const platform::RegistryKey stop =
      services_.registry.OpenKey(RegistryRoot::kDynData, kStopKey, platform::regaccess::kAllAccess).key;
  if (!stop) return;
  QueryCounter(stop);
}

void ModuleCpuMonitorSupport::ReadMemoryLevels(SystemLevels& record) {
  platform::MemoryStatus32 status{};
  services_.memory.Query32(status);
  record.memoryLoadPercent = static_cast<float>(status.memoryLoad);
  record.physicalMemoryTotal = Saturated(status.totalPhys);
  record.physicalMemoryAvailable = Saturated(status.availPhys);
  record.pageFileTotal = Saturated(status.totalPageFile);
  record.pageFileAvailable = Saturated(status.availPageFile);
  record.virtualMemoryTotal = Saturated(status.totalVirtual);
  record.virtualMemoryAvailable = Saturated(status.availVirtual);

  // The 32-bit record cannot hold more than 4 GB, so the shares come from the 64-bit one when it answers.
  platform::MemoryStatusEx wide{};
  if (!services_.memory.QueryEx(wide)) {
    wide = {status.memoryLoad,    status.totalPhys,    status.availPhys,   status.totalPageFile,
            status.availPageFile, status.totalVirtual, status.availVirtual};
  }
  const std::optional<float> physical = ShareInUse(wide.availPhys, wide.totalPhys);
  if (!physical) return;
  record.physicalMemoryAvailablePercent = *physical;
  const std::optional<float> pageFile = ShareInUse(wide.availPageFile, wide.totalPageFile);
  if (!pageFile) return;
  record.pageFileAvailablePercent = *pageFile;
  const std::optional<float> virtualMemory = ShareInUse(wide.availVirtual, wide.totalVirtual);
  if (!virtualMemory) return;
  record.virtualMemoryAvailablePercent = *virtualMemory;
}

void ModuleCpuMonitorSupport::ReadDiskLevels(std::string_view drivePath, SystemLevels& record) {
  Currency total, free, available, used;
  float percent = 0;

  platform::DiskSpaceEx space;
  const platform::DiskQuery query = services_.counters.DiskFreeSpaceEx(drivePath, space);
  if (query == platform::DiskQuery::kSucceeded) {
    // An overflow or a zero total ends the reader here: the record keeps its previous disk values.
    const auto exTotal = Currency::FromWhole(space.total);
    const auto exFree = Currency::FromWhole(space.totalFree);
    const auto exAvailable = Currency::FromWhole(space.availableToCaller);
    if (!exTotal || !exFree || !exAvailable) return;
    const auto exUsed = *exTotal - *exAvailable;
    if (!exUsed) return;
    const auto exPercent = ShareFree(*exAvailable, *exTotal);
    if (!exPercent) return;
    total = *exTotal, free = *exFree, available = *exAvailable, used = *exUsed, percent = *exPercent;
  } else if (platform::DiskGeometry geometry; query == platform::DiskQuery::kUnavailable &&
                                              services_.counters.DiskFreeSpace(drivePath, geometry)) {
    // Each figure on its own: one that overflows or divides by zero stays 0 and the next is computed.
    // A 32-bit count always fits in the currency range.
    const auto bytesPerCluster = *Currency::FromWhole(std::int64_t{geometry.sectorsPerCluster}) *
                                 std::int64_t{geometry.bytesPerSector};
    if (bytesPerCluster) {
      total = (*bytesPerCluster * std::int64_t{geometry.totalClusters}).value_or(total);
      free = (*bytesPerCluster * std::int64_t{geometry.freeClusters}).value_or(free);
    }
    used = (total - free).value_or(used);
    percent = ShareFree(free, total).value_or(percent);
    available = free;
  }
  record.hdTotalBytes = total;
  record.hdTotalFreeBytes = free;
  record.hdAvailableFreeBytes = available;
  record.hdTotalBytesUsed = used;
  record.hdAvailablePercent = percent;
}

std::string ModuleCpuMonitorSupport::GetWindowsFolder() { return services_.counters.WindowsFolder(); }

}  // namespace zv::cpumonitor
