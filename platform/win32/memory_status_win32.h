// Physical-memory status from GlobalMemoryStatusEx and GlobalMemoryStatus.
#pragma once

#include "platform/memory_status.h"

namespace zv::platform {

class Win32MemoryStatus final : public MemoryStatusSource {
 public:
  bool QueryEx(MemoryStatusEx& status) override;
  void Query32(MemoryStatus32& status) override;
};

}  // namespace zv::platform
