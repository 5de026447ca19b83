// The process list through the toolhelp snapshot; trimming through SetProcessWorkingSetSize.
#include "platform/win32/processes_win32.h"

#include "platform/win32/handles.h"
#include "platform/win32/windows_api.h"
// After windows.h, which it needs.
#include <tlhelp32.h>

namespace zv::platform {

struct Win32ProcessList::Entry {
  PROCESSENTRY32W record{};
};

Win32ProcessList::Win32ProcessList() : entry_(std::make_unique<Entry>()) {}

Win32ProcessList::~Win32ProcessList() = default;

ProcessSnapshot Win32ProcessList::TakeSnapshot() {
  SnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return {};
  return ProcessSnapshot(ToOpaque(snapshot.Release()), this);
}

bool Win32ProcessList::First(const ProcessSnapshot& snapshot, ProcessId& id) {
  if (!snapshot) return false;
  entry_->record.dwSize = sizeof(entry_->record);
  if (!Process32FirstW(FromOpaque<HANDLE>(snapshot.get()), &entry_->record)) return false;
  id = entry_->record.th32ProcessID;
  return true;
}

bool Win32ProcessList::Next(const ProcessSnapshot& snapshot, ProcessId& id) {
  if (!snapshot) return false;
  entry_->record.dwSize = sizeof(entry_->record);
  if (!Process32NextW(FromOpaque<HANDLE>(snapshot.get()), &entry_->record)) return false;
  id = entry_->record.th32ProcessID;
  return true;
}

TrimResult Win32ProcessList::TrimWorkingSet(ProcessId id) {
  ProcessHandle process(OpenProcess(PROCESS_SET_QUOTA, FALSE, id));
  if (!process) return TrimResult::kNotOpened;
  // Both limits (SIZE_T)-1: remove as many pages as possible.
  const SIZE_T everything = static_cast<SIZE_T>(-1);
  return SetProcessWorkingSetSize(process.get(), everything, everything) ? TrimResult::kTrimmed
                                                                         : TrimResult::kRefused;
}

ProcessId Win32ProcessList::CurrentProcessId() { return GetCurrentProcessId(); }

void Win32ProcessList::Release(OpaqueHandle handle) {
  SnapshotHandleTraits::Close(FromOpaque<HANDLE>(handle));
}

}  // namespace zv::platform
