// A day of the running program on the virtual clock: the memory refresh, the strip chart, the mini
// window's mirror, the hover timer and an automatic release every minute. Live heap blocks and bytes,
// handles and timers must not grow except for the records log's own text.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform/forms/controls.h"
#include "tests/main_window_rig.h"
#include "tests/settings_files.h"
#include "tests/soak/live_allocations.h"

namespace zv::testing {
namespace {

struct Sample {
  int hour = 0;
  LiveAllocations live;
  long long recordsCapacity = 0;  // the records log's text, in the model and on screen
  std::size_t recordsLength = 0;
  int openSnapshots = 0;
  int openKeys = 0;
  int liveIcons = 0;
  std::size_t runningTimers = 0;
  // Live bytes that are not the records log's text.
  long long OtherBytes() const { return live.bytes - recordsCapacity; }
};

class DayWithoutGrowth : public ::testing::Test, protected MainWindowRig {
 protected:
  void SetUp() override {
    host.app.folder = files.AppFolder();
    files.Seed(
        "[VK]\r\nAutorun=0\r\nAutomin=0\r\nShowMiniWindow=1\r\nAuroFreeMemory=1\r\nInterval=1 分钟\r\n");
    processes.processes = {{4}, {8}, {12}, {16}};
    Load();
    HoverOverTheFreeMemoryButton();
  }

  void HoverOverTheFreeMemoryButton() {
    forms::Control& button = *window.GetForm().Find("CommandFreeMemory");
    headless::HeadlessSurface& surface = *host.backend.SurfaceOf(button);
    surface.cursor = {10, 10};
    static_cast<forms::HostedControl&>(button).OnMouseMove(0, 0, 10, 10);
  }

  // One minute of the machine: the load wanders so that the texts and the chart keep changing.
  void RunMinute(int minute) {
    const std::uint32_t load = 20 + static_cast<std::uint32_t>(minute % 60);
    memory.ex.memoryLoad = load;
    memory.ex.availPhys = memory.ex.totalPhys / 100 * (100 - load);
    memory.status32.memoryLoad = load;
    host.timers.Advance(60 * 1000);
  }

  // The fakes' own call logs are the test's, not the program's: emptied as a test reads them.
  void ForgetRecordedCalls() {
    host.backend.TakeChangeCount();
    for (auto* calls : {&processes.calls, &registry.calls, &counters.calls, &windows.calls, &profile.calls}) {
      calls->clear();
    }
    processes.trimRequests.clear();
    windows.sent.clear();
    notifyIcons.calls.clear();
    notifyIcons.loadRequests.clear();
    privileges.requested.clear();
    shell.requests.clear();
  }

  Sample Take(int hour) {
    auto& records = static_cast<forms::TextBox&>(*window.GetForm().Find("TextRecords"));
    const std::string& onScreen = host.backend.TextPeerOf(records)->screenText;
    return {.hour = hour,
            .live = CurrentAllocations(),
            .recordsCapacity = static_cast<long long>(records.Text().capacity() + onScreen.capacity()),
            .recordsLength = records.Text().size(),
            .openSnapshots = processes.OpenSnapshots(),
            .openKeys = registry.OpenKeys(),
            .liveIcons = notifyIcons.LiveIcons(),
            .runningTimers = host.timers.Count()};
  }

  SettingsFolder files;
};

TEST_F(DayWithoutGrowth, NothingGrowsButTheRecordsLog) {
  std::vector<Sample> samples;
  samples.reserve(24);  // the test's own records must not count as growth
  for (int hour = 1; hour <= 24; ++hour) {
    for (int minute = 0; minute < 60; ++minute) {
      RunMinute(minute);
      ForgetRecordedCalls();
    }
    samples.push_back(Take(hour));
  }

  std::printf(
      "hour  blocks  bytes     records (length/capacity)  other bytes  snapshots keys icons timers\n");
  for (const Sample& s : samples) {
    std::printf("%4d  %6ld  %8lld  %8zu/%-8lld          %9lld  %9d %4d %5d %6zu\n", s.hour, s.live.blocks,
                s.live.bytes, s.recordsLength, s.recordsCapacity, s.OtherBytes(), s.openSnapshots, s.openKeys,
                s.liveIcons, s.runningTimers);
  }

  // The first release after 60 s, then one every 59 s (the counter restarts at 1), each logged.
  EXPECT_EQ(processes.snapshotsTaken, 1 + (24 * 3600 - 60) / 59);
  EXPECT_GT(samples.back().recordsLength, samples.front().recordsLength);
  // From the second hour on (the first fills caches and the fakes' logs), nothing else grows.
  const Sample& first = samples[1];
  for (const Sample& s : samples) {
    if (s.hour < 2) continue;
    EXPECT_LE(s.live.blocks, first.live.blocks) << "hour " << s.hour;
    EXPECT_LE(s.OtherBytes(), first.OtherBytes()) << "hour " << s.hour;
    EXPECT_EQ(s.openSnapshots, 0) << "hour " << s.hour;
    EXPECT_EQ(s.openKeys, first.openKeys) << "hour " << s.hour;
    EXPECT_EQ(s.liveIcons, first.liveIcons) << "hour " << s.hour;
    EXPECT_EQ(s.runningTimers, first.runningTimers) << "hour " << s.hour;
  }
}

}  // namespace
}  // namespace zv::testing
