// The physical-memory snapshot and its three display texts (load, total, available).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/locale.h"
#include "platform/memory_status.h"

namespace zv::memory {

// A byte count as the status page shows it: bytes, KB, MB, GB or TB in powers of 1024,
// rounded half to even at 1 (KB) or 2 decimals, in its shortest form.
std::string FormatByteSize(std::uint64_t count, std::string_view decimalSeparator = ".");

// Module state: the texts of the latest snapshot, empty until the first one.
class ModuleGetMemoryStats2018 {
 public:
  ModuleGetMemoryStats2018(platform::MemoryStatusSource& source, platform::RegionalSettings& regional);

  // One platform call; a failed call leaves the zeroed record: 0%, 0 bytes, 0 bytes. The decimal
  // separator is read each time, so a change in the regional settings shows at the next refresh.
  void CollectMemoryStats();

  const std::string& MemoryTotalText() const { return memoryTotalText_; }
  const std::string& MemoryAvailText() const { return memoryAvailText_; }
  const std::string& MemoryLoadText() const { return memoryLoadText_; }

 private:
  platform::MemoryStatusSource& source_;
  platform::RegionalSettings& regional_;
  std::string memoryTotalText_;
  std::string memoryAvailText_;
  std::string memoryLoadText_;
};

}  // namespace zv::memory
