// The platform's physical-memory status.
#pragma once

#include <cstdint>

namespace zv::platform {

// The fields of GlobalMemoryStatusEx that the program reads; all zero when the call failed.
struct MemoryStatusEx {
  std::uint32_t memoryLoad = 0;  // percent in use, 0-100
  std::uint64_t totalPhys = 0;   // bytes
  std::uint64_t availPhys = 0;   // bytes
  std::uint64_t totalPageFile = 0;
  std::uint64_t availPageFile = 0;
  std::uint64_t totalVirtual = 0;
  std::uint64_t availVirtual = 0;
};

// The older 32-bit GlobalMemoryStatus record, as the platform fills it for this process.
struct MemoryStatus32 {
  std::uint32_t memoryLoad = 0;
  std::uint32_t totalPhys = 0;
  std::uint32_t availPhys = 0;
  std::uint32_t totalPageFile = 0;
  std::uint32_t availPageFile = 0;
  std::uint32_t totalVirtual = 0;
  std::uint32_t availVirtual = 0;
};

class MemoryStatusSource {
 public:
  virtual ~MemoryStatusSource() = default;
  // GlobalMemoryStatusEx; false (and a zeroed record) when the call failed.
  virtual bool QueryEx(MemoryStatusEx& status) = 0;
  // GlobalMemoryStatus; it has no failure result.
  virtual void Query32(MemoryStatus32& status) = 0;
};

}  // namespace zv::platform
