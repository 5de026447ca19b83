// Debug privilege, process trimming, used-memory measurement and random digits.
#include "memory/working_set.h"

#include <chrono>
#include <random>

namespace zv::memory {

void EnableDebugPrivilege(platform::TokenPrivileges& privileges) {
  (void)privileges.Enable("SeDebugPrivilege");
}

bool TrimProcess(platform::ProcessList& processes, platform::ProcessId id) {
  return processes.TrimWorkingSet(id) == platform::TrimResult::kTrimmed;
}

std::int32_t GetUsedMemoryMB(platform::MemoryStatusSource& memory) {
  platform::MemoryStatusEx status;
  if (!memory.QueryEx(status)) return 0;
  const std::uint64_t used = status.totalPhys >= status.availPhys ? status.totalPhys - status.availPhys : 0;
  return static_cast<std::int32_t>(used / 1048576u);
}

std::string RandomDigits(std::int32_t count) {
  std::string digits;
  for (std::int32_t i = 0; i < count; ++i) {
    // Seeded afresh from the clock for each digit.
    const auto seed = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(seed ^ (seed >> 32)) + 1u);
    const float r = std::generate_canonical<float, 24>(generator);
    const int digit = static_cast<int>(r * 7.0f + 2.0f);
    digits += static_cast<char>('0' + (digit > 8 ? 8 : digit));
  }
  return digits;
}

}  // namespace zv::memory
