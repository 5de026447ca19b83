// A scripted process list: snapshots copy the running processes, trims answer per process.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace zv::platform {

class FakeProcessList final : public ProcessList, private HandleReleaser {
 public:
  struct Process {
    ProcessId id = 0;
    // What a trim of this process gives while it runs; an ended process is kNotOpened.
    TrimResult trim = TrimResult::kTrimmed;
  };

  FakeProcessList() = default;
  FakeProcessList(const FakeProcessList&) = delete;
  FakeProcessList& operator=(const FakeProcessList&) = delete;

  ProcessSnapshot TakeSnapshot() override;
  bool First(const ProcessSnapshot& snapshot, ProcessId& id) override;
  bool Next(const ProcessSnapshot& snapshot, ProcessId& id) override;
  TrimResult TrimWorkingSet(ProcessId id) override;
  ProcessId CurrentProcessId() override { return currentId; }

  // Ends a process: snapshots taken before still list it, but it can no longer be opened.
  void EndProcess(ProcessId id);

  // The running processes, in the order the platform lists them.
  std::vector<Process> processes;
  ProcessId currentId = 1000;
  bool snapshotFails = false;
  // Runs at the start of each trim request, before the process is looked up (e.g. to end a process
  // or to start a nested pass).
  std::function<void(ProcessId)> beforeTrim;

  // Every call in order: "TakeSnapshot", "TakeSnapshot failed", "First 4", "First end", "Next 8",
  // "Next end", "Trim 4 trimmed" / "Trim 4 not-opened" / "Trim 4 refused", "CloseSnapshot".
  std::vector<std::string> calls;
  std::vector<ProcessId> trimRequests;
  int snapshotsTaken = 0;
  int snapshotsClosed = 0;
  int OpenSnapshots() const { return static_cast<int>(walks_.size()); }

 private:
  struct Walk {
    std::vector<ProcessId> ids;
    std::size_t next = 0;
  };
  void Release(OpaqueHandle handle) override;
  bool Step(const ProcessSnapshot& snapshot, const char* call, bool restart, ProcessId& id);

  std::map<OpaqueHandle, Walk> walks_;
  OpaqueHandle lastHandle_ = 0;
};

}  // namespace zv::platform
