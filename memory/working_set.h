// The pieces of a memory release: the debug privilege, trimming one process's working set,
// the used-memory measurement and the pseudo-random digits.
#pragma once

#include <cstdint>
#include <string>

#include "platform/memory_status.h"
#include "platform/processes.h"
#include "platform/token_privileges.h"

namespace zv::memory {

// Lets the process open the processes of other accounts where the account holds the privilege;
// failures go unnoticed (the pass then reaches fewer processes).
void EnableDebugPrivilege(platform::TokenPrivileges& privileges);

// Asks the platform to take as many pages as it can from the process's working set; false
// when the process could not be opened (ended, protected, another account) or refused.
bool TrimProcess(platform::ProcessList& processes, platform::ProcessId id);

// Used physical memory in whole megabytes of 1048576 bytes, measured from the 64-bit status
// (the 32-bit one saturates or wraps for a 32-bit program on machines with more than 2 GB).
std::int32_t GetUsedMemoryMB(platform::MemoryStatusSource& memory);

// count decimal digits, each a pseudo-random digit from 2 to 8; empty for a count of 0 or less.
// Nothing in the program calls it; it stays because the system defines it.
std::string RandomDigits(std::int32_t count);

}  // namespace zv::memory
