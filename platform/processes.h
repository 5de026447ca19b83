// The process list and working-set trimming: a snapshot walked entry by entry, trims by process id.
#pragma once

#include <cstdint>

#include "platform/handle.h"

namespace zv::platform {

using ProcessId = std::uint32_t;

struct ProcessSnapshotKind;
// CreateToolhelp32Snapshot's handle; empty when no snapshot could be taken.
using ProcessSnapshot = UniqueHandle<ProcessSnapshotKind>;

enum class TrimResult {
  kTrimmed,    // the platform accepted the request
  kNotOpened,  // the process has ended, is protected or belongs to another account
  kRefused,    // opened, but SetProcessWorkingSetSize failed
};

class ProcessList {
 public:
  virtual ~ProcessList() = default;

  // CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0).
  [[nodiscard]] virtual ProcessSnapshot TakeSnapshot() = 0;
  // Process32First / Process32Next into one record reused for the whole walk, so walking allocates
  // nothing; false at the end of the list or when the snapshot is empty.
  virtual bool First(const ProcessSnapshot& snapshot, ProcessId& id) = 0;
  virtual bool Next(const ProcessSnapshot& snapshot, ProcessId& id) = 0;

  // OpenProcess(PROCESS_SET_QUOTA), SetProcessWorkingSetSize(-1, -1), CloseHandle: asks the platform to
  // remove as many pages as it can from that process's working set.
  virtual TrimResult TrimWorkingSet(ProcessId id) = 0;

  virtual ProcessId CurrentProcessId() = 0;
};

}  // namespace zv::platform
