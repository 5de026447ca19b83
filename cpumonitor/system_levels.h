// One sample of the monitor, and the same sample as the Update event and GetCurrentSystemLevels report it.
#pragma once

#include <cstdint>

#include "cpumonitor/currency.h"

namespace zv::cpumonitor {

struct SystemLevels {
  float cpuLoadPercent = 0;  // whole 0-100; -1 when it could not be measured
  float memoryLoadPercent = 0;
  std::int32_t physicalMemoryTotal = 0;  // bytes
  std::int32_t physicalMemoryAvailable = 0;
  float physicalMemoryAvailablePercent = 0;  // despite the name, the share in use
  std::int32_t pageFileTotal = 0;
  std::int32_t pageFileAvailable = 0;
  float pageFileAvailablePercent = 0;  // the share in use
  std::int32_t virtualMemoryTotal = 0;
  std::int32_t virtualMemoryAvailable = 0;
  float virtualMemoryAvailablePercent = 0;  // the share in use
  Currency hdTotalBytes;
  Currency hdTotalFreeBytes;
  Currency hdAvailableFreeBytes;
  Currency hdTotalBytesUsed;
  float hdAvailablePercent = 0;  // the share free
};

// The 16 values in the order and types of the Update event: the two loads as whole numbers.
struct ReportedLevels {
  std::int32_t cpuLoadPercent = 0;
  std::int32_t memoryLoadPercent = 0;
  std::int32_t physicalMemoryTotal = 0;
  std::int32_t physicalMemoryAvailable = 0;
  float physicalMemoryAvailablePercent = 0;
  std::int32_t pageFileTotal = 0;
  std::int32_t pageFileAvailable = 0;
  float pageFileAvailablePercent = 0;
  std::int32_t virtualMemoryTotal = 0;
  std::int32_t virtualMemoryAvailable = 0;
  float virtualMemoryAvailablePercent = 0;
  Currency hdTotalBytes;
  Currency hdTotalFreeBytes;
  Currency hdAvailableFreeBytes;
  Currency hdTotalBytesUsed;
  float hdAvailablePercent = 0;
};

}  // namespace zv::cpumonitor
