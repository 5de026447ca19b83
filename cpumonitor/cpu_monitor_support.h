// The measuring side of the monitor: platform family, CPU load, memory and disk levels, Windows folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cpumonitor/system_levels.h"
#include "platform/forms/runtime.h"
#include "platform/memory_status.h"
#include "platform/registry.h"
#include "platform/system_counters.h"

namespace zv::cpumonitor {

struct SupportServices {
  platform::SystemCounters& counters;
  platform::MemoryStatusSource& memory;
  platform::Registry& registry;  // the 9x family's CPU counter
  forms::MessageBoxService& messages;
};

// One per process, shared by every monitor: the CPU baseline moves with each instance's samples.
class ModuleCpuMonitorSupport {
 public:
  explicit ModuleCpuMonitorSupport(const SupportServices& services);
  ModuleCpuMonitorSupport(const ModuleCpuMonitorSupport&) = delete;
  ModuleCpuMonitorSupport& operator=(const ModuleCpuMonitorSupport&) = delete;

  bool IsWindowsNT();
  // NT: seeds the baseline. 9x: starts the kernel's counter and opens its data key.
  void InitializeCpuCounter(bool isNT);
  // Whole percent 0-100, or -1 when it could not be measured.
  float GetCpuUsage(bool isNT);
  // 9x: closes the data key and stops the counter; nothing on NT.
  void TerminateCpuCounter(bool isNT);

  // Fields 2-11. Counts beyond 32 bits saturate; the three shares in use come from the 64-bit status.
  void ReadMemoryLevels(SystemLevels& record);
  // Fields 12-16, all 0 when the query failed.
  void ReadDiskLevels(std::string_view drivePath, SystemLevels& record);
  std::string GetWindowsFolder();

  std::int64_t PreviousIdleTime() const { return previousIdleTime_; }
  std::int64_t PreviousSystemTime() const { return previousSystemTime_; }
  bool CounterKeyOpen() const { return static_cast<bool>(counterKey_); }

 private:
  void InitializeNt();
  float SampleNt();
  void Initialize9x();
  float Sample9x();
  void Terminate9x();
  // Queries the counter value of `key` into counterValue_.
  platform::RegistryStatus QueryCounter(const platform::RegistryKey& key);

  SupportServices services_;
  std::int64_t previousIdleTime_ = 0;
  std::int64_t previousSystemTime_ = 0;
  platform::RegistryKey counterKey_;
  std::array<std::uint8_t, 4> counterValue_{};
};

}  // namespace zv::cpumonitor
