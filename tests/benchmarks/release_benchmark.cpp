// Cost of the release pass per process, and of one records entry as the log grows.
#include <benchmark/benchmark.h>

#include <vector>

#include "memory/working_set.h"
#include "tests/main_window_rig.h"

namespace {

using zv::platform::ProcessId;
using zv::platform::ProcessSnapshot;

// A process list that only counts: the two platform calls per process cost next to nothing.
class CountingProcessList final : public zv::platform::ProcessList, private zv::platform::HandleReleaser {
 public:
  explicit CountingProcessList(int count) : count_(count) {}
  ProcessSnapshot TakeSnapshot() override { return ProcessSnapshot(1, this); }
  bool First(const ProcessSnapshot&, ProcessId& id) override {
    next_ = 0;
    return Step(id);
  }
  bool Next(const ProcessSnapshot&, ProcessId& id) override { return Step(id); }
  zv::platform::TrimResult TrimWorkingSet(ProcessId id) override {
    trimmed_ += id;
    return zv::platform::TrimResult::kTrimmed;
  }
  ProcessId CurrentProcessId() override { return 1; }
  std::uint64_t Trimmed() const { return trimmed_; }

 private:
  void Release(zv::platform::OpaqueHandle) override {}
  bool Step(ProcessId& id) {
    if (next_ >= count_) return false;
    id = static_cast<ProcessId>(4 * ++next_);
    return true;
  }
  int count_;
  int next_ = 0;
  std::uint64_t trimmed_ = 0;
};

constexpr int kProcesses = 1000;

// Baseline: the walk, the two platform calls and the two yields per process, written out directly.
void BM_BarePassOver1000Processes(benchmark::State& state) {
  zv::headless::HeadlessEventLoop loop;
  CountingProcessList processes(kProcesses);
  for (auto _ : state) {
    const ProcessSnapshot snapshot = processes.TakeSnapshot();
    ProcessId id = 0;
    for (bool more = processes.First(snapshot, id); more; more = processes.Next(snapshot, id)) {
      loop.DoEvents();
      processes.TrimWorkingSet(id);
      loop.DoEvents();
    }
  }
  benchmark::DoNotOptimize(processes.Trimmed());
  state.SetItemsProcessed(state.iterations() * kProcesses);
}
BENCHMARK(BM_BarePassOver1000Processes);

// The main window's pass over the same list.
void BM_DoAllMiniUseMemoryOver1000Processes(benchmark::State& state) {
  zv::headless::HeadlessRuntime host;
  zv::platform::FakeMemoryStatus memory;
  zv::platform::FakeRegionalSettings regional;
  zv::platform::FakeShellExecutor shell;
  zv::platform::FakeWindowMessages windows;
  CountingProcessList processes(kProcesses);
  zv::platform::FakeTokenPrivileges privileges;
  zv::platform::FakeProfileFile profile;
  zv::platform::FakeRegistry registry;
  zv::platform::FakeNotifyIcons notifyIcons;
  zv::platform::FakeSystemCounters counters;
  zv::mainwindow::FormVelkan window(host.runtime, {memory, regional, shell, windows, processes, privileges,
                                                   profile, registry, notifyIcons, counters});
  host.backend.Load(window.GetForm());
  for (auto _ : state) window.DoAllMiniUseMemory();
  benchmark::DoNotOptimize(processes.Trimmed());
  state.SetItemsProcessed(state.iterations() * kProcesses);
}
BENCHMARK(BM_DoAllMiniUseMemoryOver1000Processes);

// One automatic release with no process to trim, appended to a log of `entries` entries.
void BM_AppendRecordToLogOf(benchmark::State& state) {
  zv::testing::MainWindowRig rig;
  rig.Load();
  for (std::int64_t i = 0; i < state.range(0); ++i) rig.window.AutoFreeMemory();
  for (auto _ : state) rig.window.AutoFreeMemory();
}
BENCHMARK(BM_AppendRecordToLogOf)->Arg(10)->Arg(10000)->Arg(100000)->Iterations(2000);

}  // namespace
