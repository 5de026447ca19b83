// The process list through the toolhelp snapshot; trimming through SetProcessWorkingSetSize.
#pragma once

#include <memory>

#include "platform/processes.h"

namespace zv::platform {

class Win32ProcessList final : public ProcessList, private HandleReleaser {
 public:
  Win32ProcessList();
  ~Win32ProcessList() override;
  Win32ProcessList(const Win32ProcessList&) = delete;
  Win32ProcessList& operator=(const Win32ProcessList&) = delete;

  ProcessSnapshot TakeSnapshot() override;
  bool First(const ProcessSnapshot& snapshot, ProcessId& id) override;
  bool Next(const ProcessSnapshot& snapshot, ProcessId& id) override;
  TrimResult TrimWorkingSet(ProcessId id) override;
  ProcessId CurrentProcessId() override;

 private:
  struct Entry;
  void Release(OpaqueHandle handle) override;

  // The one PROCESSENTRY32W that every walk fills; only the id is read from it, right away, so walks
  // nested inside one another may share it.
  std::unique_ptr<Entry> entry_;
};

}  // namespace zv::platform
