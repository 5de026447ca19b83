// Cost of one tick of the status page's monitor (411 x 41, CPU and memory, full history, sampling faked),
// against clearing its canvas once. `--ticks=N` / `--clears=N` run that many without the benchmark
// framework, for tools/callgrind_tick.sh to count instructions.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/cpumonitor_rig.h"

namespace {

// Counters that move on by half a second per sample on two processors, the load wandering between 14 % and
// 30 % (segments of one to six pixels, as a busy machine draws them), or, jumping, between 10 % and 80 %
// every sample (segments of about 28 pixels, the worst a tick draws); nothing is recorded.
class WanderingCounters final : public zv::platform::SystemCounters {
 public:
  explicit WanderingCounters(bool jumping) : jumping_(jumping) {}
  std::uint32_t PlatformId() override { return zv::platform::kPlatformWin32Nt; }
  zv::platform::NtStatus QueryBasic(zv::platform::BasicInformation& record) override {
    record.numberOfProcessors = 2;
    return zv::platform::kNtSuccess;
  }
  zv::platform::NtStatus QueryPerformance(zv::platform::PerformanceInformation& record) override {
    static constexpr std::int64_t kIdleSteps[] = {8'000'000, 7'400'000, 8'600'000,
                                                  7'000'000, 8'200'000, 7'800'000};
    static constexpr std::int64_t kJumpingIdleSteps[] = {9'000'000, 2'000'000};
    idle_ += jumping_ ? kJumpingIdleSteps[step_++ % std::size(kJumpingIdleSteps)]
                      : kIdleSteps[step_++ % std::size(kIdleSteps)];
    record.idleTime = idle_;
    return zv::platform::kNtSuccess;
  }
  zv::platform::NtStatus QueryTimeOfDay(zv::platform::TimeOfDayInformation& record) override {
    time_ += 5'000'000;
    record.currentTime = time_;
    return zv::platform::kNtSuccess;
  }
  zv::platform::DiskQuery DiskFreeSpaceEx(std::string_view, zv::platform::DiskSpaceEx& space) override {
    space = {40'000'000'000ull, 120'000'000'000ull, 41'000'000'000ull};
    return zv::platform::DiskQuery::kSucceeded;
  }
  bool DiskFreeSpace(std::string_view, zv::platform::DiskGeometry&) override { return false; }
  std::string WindowsFolder() override { return "C:\\WINDOWS"; }

 private:
  bool jumping_;
  std::int64_t time_ = 0;
  std::int64_t idle_ = 0;
  unsigned step_ = 0;
};

class WanderingMemory final : public zv::platform::MemoryStatusSource {
 public:
  bool QueryEx(zv::platform::MemoryStatusEx& status) override {
    status = {load_,      8ull << 30, (8ull << 30) * (100 - load_) / 100, 12ull << 30, 5ull << 30,
              2ull << 30, 1ull << 30};
    return true;
  }
  void Query32(zv::platform::MemoryStatus32& status) override {
    load_ = 40 + (++samples_ / 7) % 30;
    status = {load_, 0x7FFFFFFF, 0x40000000, 0x7FFFFFFF, 0x50000000, 0x7FFE0000, 0x40000000};
  }

 private:
  std::uint32_t load_ = 40;
  std::uint32_t samples_ = 0;
};

// The status page's instance with its saved values, its history already full.
struct StatusPageMonitor {
  explicit StatusPageMonitor(bool jumping = false) : counters(jumping) {
    monitor.Move(0, 0, zv::PixelsToTwips(411), zv::PixelsToTwips(41));
    monitor.ReadProperties(zv::testing::StatusPageBag());
    surface.emplace(monitor, text);
    for (int i = 0; i < 420; ++i) monitor.Timer1_Timer();
  }

  WanderingCounters counters;
  WanderingMemory memory;
  zv::platform::FakeRegistry registry;
  zv::headless::ScriptedMessageBoxes messages;
  zv::platform::FakeRegionalSettings regional;
  zv::cpumonitor::ModuleCpuMonitorSupport support{{counters, memory, registry, messages}};
  zv::platform::RecordingControlHost host;
  zv::HostTextRenderer text;
  zv::cpumonitor::CpuMonitor monitor{"CpuMonitor", host, support, regional};
  std::optional<zv::headless::HeadlessSurface> surface;
};

// Baseline: the clear that starts every redraw.
void BM_ClearStatusPageCanvas(benchmark::State& state) {
  zv::OwnedCanvas canvas(411, 41, nullptr);
  for (auto _ : state) {
    canvas.canvas().Clear(0xFFFFFF);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ClearStatusPageCanvas);

void BM_StatusPageMonitorTick(benchmark::State& state) {
  StatusPageMonitor page;
  const int presents = page.surface->presents;
  for (auto _ : state) {
    page.monitor.Timer1_Timer();
    benchmark::ClobberMemory();
  }
  state.counters["presents"] =
      benchmark::Counter(page.surface->presents - presents, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StatusPageMonitorTick);

// Runs `count` ticks or clears after the same set-up, so that two counts' difference is their cost alone.
int RunCounted(const char* what, long count, bool jumping) {
  StatusPageMonitor page(jumping);
  zv::OwnedCanvas canvas(411, 41, nullptr);
  for (long i = 0; i < count; ++i) {
    if (std::strcmp(what, "ticks") == 0) {
      page.monitor.Timer1_Timer();
    } else {
      canvas.canvas().Clear(0xFFFFFF);
    }
  }
  benchmark::DoNotOptimize(canvas.canvas().GetPixel(0, 0));
  std::printf("%s %ld, history %zu, last empty %d\n", what, count, page.monitor.LevelHistory().Size(),
              page.monitor.LastEmptyIndex());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // --ticks=N or --clears=N, then --jumping for the load that jumps every sample.
  for (const char* what : {"ticks", "clears"}) {
    const std::string flag = std::string("--") + what + "=";
    const bool jumping = argc == 3 && std::strcmp(argv[2], "--jumping") == 0;
    if ((argc == 2 || jumping) && std::strncmp(argv[1], flag.c_str(), flag.size()) == 0) {
      return RunCounted(what, std::strtol(argv[1] + flag.size(), nullptr, 10), jumping);
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
