// Cost of one memory-refresh tick of the main window, with the platform call faked.
#include <benchmark/benchmark.h>

#include "memory/memory_stats.h"
#include "tests/main_window_rig.h"

namespace {

struct LoadedMainWindow : zv::testing::MainWindowRig {
  LoadedMainWindow() { Load(); }
};

// Baseline: the three texts formatted, nothing else.
void BM_FormatThreeTexts(benchmark::State& state) {
  std::uint64_t avail = 3512893440ull;
  for (auto _ : state) {
    std::string total = zv::memory::FormatByteSize(8589934592ull);
    std::string left = zv::memory::FormatByteSize(avail);
    std::string load = std::to_string(57) + "%";
    benchmark::DoNotOptimize(total);
    benchmark::DoNotOptimize(left);
    benchmark::DoNotOptimize(load);
  }
}
BENCHMARK(BM_FormatThreeTexts);

// A tick whose three texts did not change: no caption is set, nothing is repainted.
void BM_RefreshTickUnchanged(benchmark::State& state) {
  LoadedMainWindow m;
  m.host.backend.TakeChangeCount();
  for (auto _ : state) m.window.TimerGetMemoryState_Timer();
  state.counters["repaints"] = static_cast<double>(m.host.backend.TakeChangeCount());
}
BENCHMARK(BM_RefreshTickUnchanged);

// A tick in which the available memory changed: one label is re-measured and repainted.
void BM_RefreshTickChanged(benchmark::State& state) {
  LoadedMainWindow m;
  bool flip = false;
  for (auto _ : state) {
    m.memory.ex.availPhys = flip ? 3512893440ull : 3523215360ull;
    flip = !flip;
    m.window.TimerGetMemoryState_Timer();
  }
}
BENCHMARK(BM_RefreshTickChanged);

}  // namespace
