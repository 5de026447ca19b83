// The memory subcommand: the machine's memory figures as the program under test reads them.
#include <string>

#include "e2e/driver/commands.h"
#include "e2e/driver/console.h"
#include "platform/win32/windows_api.h"

namespace zv::e2e {

int RunMemory() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  if (!GlobalMemoryStatusEx(&status)) {
    WriteError("zvdriver memory: GlobalMemoryStatusEx failed (error " + std::to_string(GetLastError()) +
               ")\n");
    return kFailure;
  }
  WriteOut(std::to_string(status.dwMemoryLoad) + " " + std::to_string(status.ullTotalPhys) + " " +
           std::to_string(status.ullAvailPhys) + "\n");
  return kSuccess;
}

}  // namespace zv::e2e
