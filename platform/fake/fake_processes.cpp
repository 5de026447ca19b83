// A scripted process list: snapshots copy the running processes, trims answer per process.
#include "platform/fake/fake_processes.h"

#include <algorithm>

namespace zv::platform {
namespace {

const char* TrimName(TrimResult result) {
  switch (result) {
    case TrimResult::kTrimmed:
      return "trimmed";
    case TrimResult::kNotOpened:
      return "not-opened";
    case TrimResult::kRefused:
      return "refused";
  }
  return "?";
}

}  // namespace

ProcessSnapshot FakeProcessList::TakeSnapshot() {
  if (snapshotFails) {
    calls.push_back("TakeSnapshot failed");
    return {};
  }
  calls.push_back("TakeSnapshot");
  ++snapshotsTaken;
  Walk walk;
  for (const Process& process : processes) walk.ids.push_back(process.id);
  const OpaqueHandle handle = ++lastHandle_;
  walks_.emplace(handle, std::move(walk));
  return ProcessSnapshot(handle, this);
}

bool FakeProcessList::First(const ProcessSnapshot& snapshot, ProcessId& id) {
  return Step(snapshot, "First", true, id);
}

bool FakeProcessList::Next(const ProcessSnapshot& snapshot, ProcessId& id) {
  return Step(snapshot, "Next", false, id);
}

bool FakeProcessList::Step(const ProcessSnapshot& snapshot, const char* call, bool restart, ProcessId& id) {
  const auto it = walks_.find(snapshot.get());
  if (it == walks_.end()) {
    calls.push_back(std::string(call) + " end");
    return false;
  }
  Walk& walk = it->second;
  if (restart) walk.next = 0;
  if (walk.next >= walk.ids.size()) {
    calls.push_back(std::string(call) + " end");
    return false;
  }
  id = walk.ids[walk.next++];
  calls.push_back(std::string(call) + " " + std::to_string(id));
  return true;
}

TrimResult FakeProcessList::TrimWorkingSet(ProcessId id) {
  if (beforeTrim) beforeTrim(id);
  trimRequests.push_back(id);
  const auto it =
      std::find_if(processes.begin(), processes.end(), [id](const Process& p) { return p.id == id; });
  const TrimResult result = it == processes.end() ? TrimResult::kNotOpened : it->trim;
  calls.push_back("Trim " + std::to_string(id) + " " + TrimName(result));
  return result;
}

void FakeProcessList::EndProcess(ProcessId id) {
  std::erase_if(processes, [id](const Process& p) { return p.id == id; });
}

void FakeProcessList::Release(OpaqueHandle handle) {
  calls.push_back("CloseSnapshot");
  ++snapshotsClosed;
  walks_.erase(handle);
}

}  // namespace zv::platform
