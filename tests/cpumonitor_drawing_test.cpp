// The monitor's history and picture: ticks, the scrolling grid, the three diagram styles, Reset and resize.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/cpumonitor_rig.h"

namespace zv::cpumonitor {
namespace {

using testing::MonitorRig;

constexpr Color kBack = 0xFFFFFF;
constexpr Color kGrid = 0xC0C0C0;
constexpr Color kCpu = 0x008000;
constexpr Color kMemory = 0x0000FF;

// White background, light-grey grid, every series hidden but the ones a test shows.
forms::PropertyBag Bag(bool cpu, bool memory, std::int32_t style = 0) {
  forms::PropertyBag bag;
  bag.Set("BackColor", static_cast<std::int32_t>(kBack));
  bag.Set("DisplayGridColor", static_cast<std::int32_t>(kGrid));
  bag.Set("CPUMonitorColor", static_cast<std::int32_t>(kCpu));
  bag.Set("MemoryColor", static_cast<std::int32_t>(kMemory));
  bag.Set("CPUMonitorDisplayed", cpu);
  bag.Set("MemoryLoadDisplayed", memory);
  bag.Set("PageFileDisplayed", false);
  bag.Set("VirtualMemoryDisplayed", false);
  bag.Set("HDMonitorDisplayed", false);
  bag.Set("DiagramStyle", style);
  bag.Set("Appearance", std::int16_t{0});
  bag.Set("BorderStyle", std::int16_t{0});
  return bag;
}

int Count(const Canvas& canvas, Color color) {
  int count = 0;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) count += canvas.GetPixel(x, y) == color;
  }
  return count;
}

std::set<int> ColumnsOnRow(const Canvas& canvas, int y, Color color) {
  std::set<int> columns;
  for (int x = 0; x < canvas.Width(); ++x) {
    if (canvas.GetPixel(x, y) == color) columns.insert(x);
  }
  return columns;
}

std::set<int> RowsOnColumn(const Canvas& canvas, int x, Color color) {
  std::set<int> rows;
  for (int y = 0; y < canvas.Height(); ++y) {
    if (canvas.GetPixel(x, y) == color) rows.insert(y);
  }
  return rows;
}

// Lines from 0 every `step` while they lie within `last`, and the frame's line at `last`.
std::set<int> GridLines(int step, int last) {
  std::set<int> lines = {last};
  for (int at = 0; at <= last; at += step) lines.insert(at);
  return lines;
}

struct Expected {
  int x, y;
  Color color;
};

// W = 100, H = 41, memory at 50 % (y = 20): grid rows are 0, 7, 14, 21, 28, 35.
TEST(CpuMonitorTick, FirstAndSecondTickInEachStyle) {
  const struct {
    const char* style;
    std::int32_t value;
    int pixels;  // of the series after the second tick
    std::vector<Expected> second;
  } cases[] = {
      {"lines: one segment from x = 98 to 99, its end not drawn",
       0,
       1,
       {{98, 20, kMemory}, {99, 20, kGrid}, {98, 19, kBack}, {97, 20, kGrid}}},
      {"dots: a pixel at x = 99", 1, 1, {{99, 20, kMemory}, {98, 20, kBack}}},
      {"bars: x = 98 from the level to the bottom",
       2,
       21,
       {{98, 20, kMemory}, {98, 40, kMemory}, {98, 19, kBack}, {99, 20, kGrid}}},
  };
  for (const auto& c : cases) {
    MonitorRig rig;
    rig.memory.status32.memoryLoad = 50;
    rig.Load(Bag(false, true, c.value));
    rig.Tick();
    EXPECT_EQ(rig.monitor.LastEmptyIndex(), 98) << c.style;
    EXPECT_EQ(rig.monitor.LevelHistory().At(99)->memoryLoadPercent, 50) << c.style;
    EXPECT_EQ(Count(rig.canvas(), kMemory), 0) << c.style;
    rig.Tick();
    EXPECT_EQ(Count(rig.canvas(), kMemory), c.pixels) << c.style;
    for (const Expected& e : c.second) {
      EXPECT_EQ(rig.Pixel(e.x, e.y), e.color) << c.style << " at " << e.x << "," << e.y;
    }
  }
}

// With W = 100 the lines are 9 apart; the 99th tick draws from -99 and wraps, the 100th from -1.
TEST(CpuMonitorTick, TheGridScrollsOneColumnPerTickAndWraps) {
  MonitorRig rig;
  rig.Load(Bag(false, false));
  for (int tick = 1; tick <= 101; ++tick) {
    rig.Tick();
    const int first = tick <= 99 ? -tick : -(tick - 99);
    std::set<int> expected = {0, 99};  // the frame
    for (int x = first; x <= 99; x += 9) {
      if (x >= 0) expected.insert(x);
    }
    ASSERT_EQ(ColumnsOnRow(rig.canvas(), 3, kGrid), expected) << "tick " << tick;
    ASSERT_EQ(rig.monitor.GridOffset(), tick == 99 ? 0 : (tick < 99 ? -tick : -(tick - 99)))
        << "tick " << tick;
  }
  EXPECT_EQ(ColumnsOnRow(rig.canvas(), 0, kGrid).size(), 100u);  // a horizontal line
}

TEST(CpuMonitorTick, AFixedGridStaysPut) {
  MonitorRig rig;
  forms::PropertyBag bag = Bag(false, false);
  bag.Set("ScrollGrid", false);
  rig.Load(bag);
  rig.Tick(5);
  EXPECT_EQ(ColumnsOnRow(rig.canvas(), 3, kGrid),
            (std::set<int>{0, 9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 99}));
  EXPECT_EQ(rig.monitor.GridOffset(), -5);
}

TEST(CpuMonitorTick, StyleFiveDrawsTheGridOnly) {
  MonitorRig rig;
  rig.memory.status32.memoryLoad = 50;
  rig.Load(Bag(true, true, 5));
  rig.Tick(3);
  EXPECT_EQ(Count(rig.canvas(), kMemory) + Count(rig.canvas(), kCpu), 0);
  EXPECT_GT(Count(rig.canvas(), kGrid), 0);
}

TEST(CpuMonitorTick, WithoutTheGridNoLinesNoFrameAndTheOffsetKeepsFalling) {
  MonitorRig rig;
  forms::PropertyBag bag = Bag(false, false);
  bag.Set("DisplayGrid", false);
  rig.Load(bag);
  rig.Tick(150);
  EXPECT_EQ(Count(rig.canvas(), kBack), 100 * 41);
  EXPECT_EQ(rig.monitor.GridOffset(), -150);
}

TEST(CpuMonitorTick, ADisabledControlsTicksChangeNothing) {
  MonitorRig rig;
  rig.memory.status32.memoryLoad = 30;
  rig.Load(Bag(false, true));
  rig.Tick(3);
  int updates = 0;
  rig.monitor.onUpdate = [&](const ReportedLevels&) { ++updates; };
  rig.monitor.SetEnabled(false);
  const int presents = rig.surface().presents;
  const std::vector<Color> before(rig.canvas().Bits().begin(), rig.canvas().Bits().end());
  rig.memory.status32.memoryLoad = 90;
  rig.Tick(4);
  EXPECT_EQ(updates, 0);
  EXPECT_EQ(rig.surface().presents, presents);
  EXPECT_EQ(rig.monitor.GridOffset(), -3);
  EXPECT_EQ(rig.monitor.LastEmptyIndex(), 96);
  EXPECT_EQ(rig.monitor.LevelHistory().At(99)->memoryLoadPercent, 30);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), rig.canvas().Bits().begin()));

  // A sample can still be asked for: the history moves, nothing is drawn or raised.
  const ReportedLevels levels = rig.monitor.GetCurrentSystemLevels();
  EXPECT_EQ(levels.memoryLoadPercent, 90);
  EXPECT_EQ(rig.monitor.LastEmptyIndex(), 95);
  EXPECT_EQ(rig.monitor.LevelHistory().At(98)->memoryLoadPercent, 30);
  EXPECT_EQ(rig.surface().presents, presents);
  EXPECT_EQ(updates, 0);
}

TEST(CpuMonitorTick, ADesignerGetsNoTicksAndSeesNoSeries) {
  MonitorRig rig;
  rig.host.userMode = false;
  rig.memory.status32.memoryLoad = 50;
  rig.Load(Bag(false, true));
  EXPECT_FALSE(rig.monitor.Timer1().Running());
  rig.monitor.Timer1_Timer();
  EXPECT_EQ(rig.monitor.LastEmptyIndex(), 99);
  rig.monitor.GetCurrentSystemLevels();
  rig.monitor.GetCurrentSystemLevels();
  rig.monitor.Resize();
  EXPECT_EQ(Count(rig.canvas(), kMemory), 0);
  EXPECT_GT(Count(rig.canvas(), kGrid), 0);
}

// A CPU load of 50 % on H = 41 lies at round(20.5) = 20; one that could not be measured, below the picture.
TEST(CpuMonitorTick, CpuLevelsAndTheUpdateEvent) {
  MonitorRig rig;
  rig.counters.basic.numberOfProcessors = 1;
  rig.memory.status32 = {63, 1000, 400, 2000, 500, 3000, 2000};
  rig.memory.ex = {63, 1000, 400, 2000, 500, 3000, 2000};
  rig.counters.drivesEx["C:\\"] = {300, 1000, 400};
  forms::PropertyBag bag = Bag(true, false);
  bag.Set("HDDriveLetter", std::string("C:\\"));
  rig.Load(bag);
  std::vector<ReportedLevels> updates;
  rig.monitor.onUpdate = [&](const ReportedLevels& levels) { updates.push_back(levels); };
  for (int tick = 0; tick < 2; ++tick) {
    rig.counters.timeOfDay.currentTime += 10'000'000;
    rig.counters.performance.idleTime += 5'000'000;
    rig.Tick();
  }
  EXPECT_EQ(rig.Pixel(98, 20), kCpu);
  EXPECT_EQ(Count(rig.canvas(), kCpu), 1);
  ASSERT_EQ(updates.size(), 2u);
  const ReportedLevels& last = updates.back();
  EXPECT_EQ(last.cpuLoadPercent, 50);
  EXPECT_EQ(last.memoryLoadPercent, 63);
  EXPECT_EQ(last.physicalMemoryTotal, 1000);
  EXPECT_EQ(last.physicalMemoryAvailable, 400);
  EXPECT_FLOAT_EQ(last.physicalMemoryAvailablePercent, 60);
  EXPECT_EQ(last.pageFileTotal, 2000);
  EXPECT_EQ(last.pageFileAvailable, 500);
  EXPECT_FLOAT_EQ(last.pageFileAvailablePercent, 75);
  EXPECT_EQ(last.virtualMemoryTotal, 3000);
  EXPECT_EQ(last.virtualMemoryAvailable, 2000);
  EXPECT_NEAR(last.virtualMemoryAvailablePercent, 33.3333, 1e-4);
  EXPECT_EQ(last.hdTotalBytes.ToDouble(), 1000);
  EXPECT_EQ(last.hdTotalFreeBytes.ToDouble(), 400);
  EXPECT_EQ(last.hdAvailableFreeBytes.ToDouble(), 300);
  EXPECT_EQ(last.hdTotalBytesUsed.ToDouble(), 700);
  EXPECT_FLOAT_EQ(last.hdAvailablePercent, 30);

  rig.counters.performanceStatus = platform::kNtNotImplemented;
  rig.Tick();
  EXPECT_EQ(updates.back().cpuLoadPercent, -1);
  EXPECT_EQ(rig.monitor.LevelHistory().At(99)->cpuLoadPercent, -1);
  // The segment to -1 runs down to the row below the picture.
  EXPECT_EQ(rig.Pixel(99, 40), kCpu);
}

TEST(CpuMonitorTick, LaterSeriesCoverEarlierOnes) {
  MonitorRig rig;
  rig.memory.status32.memoryLoad = 50;
  rig.Load(Bag(true, true));
  for (int tick = 0; tick < 2; ++tick) {
    rig.counters.timeOfDay.currentTime += 10'000'000;
    rig.counters.performance.idleTime += 5'000'000;
    rig.Tick();
  }
  EXPECT_EQ(rig.Pixel(98, 20), kMemory);
}

TEST(CpuMonitorReset, KeepsTheSeriesWhereTheyAreAndRealignsTheGrid) {
  MonitorRig rig;
  rig.Load(Bag(false, true));
  for (int tick = 0; tick < 50; ++tick) {
    rig.memory.status32.memoryLoad = static_cast<std::uint32_t>(tick * 2);
    rig.Tick();
  }
  EXPECT_EQ(rig.monitor.LastEmptyIndex(), 49);
  const std::vector<SystemLevels> history = rig.monitor.LevelHistory().Slots();
  std::vector<Point> before;
  for (int y = 0; y < 41; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (rig.Pixel(x, y) == kMemory) before.push_back({x, y});
    }
  }
  ASSERT_GT(before.size(), 40u);

  EXPECT_FALSE(rig.monitor.Reset());
  EXPECT_EQ(rig.monitor.GridOffset(), 0);
  EXPECT_EQ(rig.monitor.LastEmptyIndex(), 49);
  const std::vector<SystemLevels> after = rig.monitor.LevelHistory().Slots();
  ASSERT_EQ(after.size(), history.size());
  for (std::size_t slot = 0; slot < after.size(); ++slot) {
    EXPECT_EQ(after[slot].memoryLoadPercent, history[slot].memoryLoadPercent) << "slot " << slot;
  }
  for (const Point& p : before) EXPECT_EQ(rig.Pixel(p.x, p.y), kMemory) << p.x << "," << p.y;
  EXPECT_EQ(Count(rig.canvas(), kMemory), static_cast<int>(before.size()));
  EXPECT_EQ(ColumnsOnRow(rig.canvas(), 3, kGrid),
            (std::set<int>{0, 9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 99}));
}

TEST(CpuMonitorResize, ColumnsBeyondTheHistoryAreSkipped) {
  MonitorRig rig;
  rig.memory.status32.memoryLoad = 50;
  rig.Load(Bag(false, true, 1));  // dots: one pixel per sample
  rig.Tick(120);
  EXPECT_EQ(Count(rig.canvas(), kMemory), 98);  // slots 1-98 drawn at x = 2-99
  const std::size_t slots = rig.monitor.LevelHistory().Size();

  rig.Resize(160, 41);
  // Only slots up to 100 exist, and slot 100 was never sampled (0 % lies below the picture).
  EXPECT_EQ(ColumnsOnRow(rig.canvas(), 20, kMemory).size(), 99u);
  EXPECT_EQ(*ColumnsOnRow(rig.canvas(), 20, kMemory).rbegin(), 100);
  // The newest slot (159) is outside the history: nothing is sampled, the empty slot moves left.
  rig.Tick(3);
  EXPECT_EQ(rig.monitor.LevelHistory().Size(), slots);
  EXPECT_EQ(*ColumnsOnRow(rig.canvas(), 20, kMemory).rbegin(), 97);

  rig.Resize(40, 20);
  rig.Tick();
  EXPECT_EQ(ColumnsOnRow(rig.canvas(), 10, kMemory).size(), 38u);  // 50 % of 20 rows
}

// A step that rounds to 0 leaves out the lines of that direction; the frame is still drawn.
TEST(CpuMonitorGrid, AStepRoundingToZeroDrawsNoLinesThatWay) {
  const struct {
    int width, height;
    std::vector<Expected> pixels;
  } cases[] = {
      // Steps round(5 / 11) = 0 and round(3 / 6) = 0 (0.5 to even): the frame alone.
      {6, 4, {{2, 1, kBack}, {3, 2, kBack}, {0, 2, kGrid}, {5, 3, kGrid}}},
      // Steps 1 and 1: every pixel is on a line.
      {7, 5, {{2, 1, kGrid}, {3, 2, kGrid}}},
      {1, 1, {{0, 0, kGrid}}},
      {0, 0, {}},
  };
  for (const auto& c : cases) {
    MonitorRig rig(c.width, c.height);
    rig.Load(Bag(false, false));
    rig.Tick(3);
    EXPECT_EQ(rig.surface().presents, 4) << "one on resize, one a tick: " << c.width << " x " << c.height;
    for (const Expected& e : c.pixels) {
      EXPECT_EQ(rig.Pixel(e.x, e.y), e.color) << c.width << " x " << c.height << " at " << e.x << "," << e.y;
    }
  }
}

// The steps are (W - 1) / 11 and (H - 1) / 6 rounded to the nearest, halves to even. The lines are read
// on row 1 and column 1, which no line of the other direction covers.
TEST(CpuMonitorGrid, StepsRoundToTheNearestWithHalvesToEven) {
  const struct {
    int width, height;
    int stepX, stepY;
  } cases[] = {
      {411, 41, 37, 7},  // the status page's instance: 37.27 and 6.67
      {41, 41, 4, 7},    // 3.64 and 6.67, where truncating gives 3 and 6
      {18, 10, 2, 2},    // 1.55, and 1.5 going up to the even 2
      {100, 16, 9, 2},   // 2.5 going down to the even 2
      {100, 22, 9, 4},   // 3.5 going up to the even 4
  };
  for (const auto& c : cases) {
    MonitorRig rig(c.width, c.height);
    forms::PropertyBag bag = Bag(false, false);
    bag.Set("ScrollGrid", false);
    rig.Load(bag);
    rig.Tick();
    EXPECT_EQ(ColumnsOnRow(rig.canvas(), 1, kGrid), GridLines(c.stepX, c.width - 1))
        << c.width << " x " << c.height;
    EXPECT_EQ(RowsOnColumn(rig.canvas(), 1, kGrid), GridLines(c.stepY, c.height - 1))
        << c.width << " x " << c.height;
  }
}

TEST(CpuMonitorMethods, RefreshPresentsWithoutDrawingAndDblClickIsRaised) {
  MonitorRig rig;
  rig.Load(Bag(false, true));
  rig.Tick();
  const int presents = rig.surface().presents;
  rig.canvas().SetPixel(5, 5, 0x123456);
  rig.monitor.Refresh();
  EXPECT_EQ(rig.surface().presents, presents + 1);
  EXPECT_EQ(rig.Pixel(5, 5), 0x123456u);
  int clicks = 0;
  rig.monitor.onDblClick = [&] { ++clicks; };
  rig.monitor.DblClick();
  EXPECT_EQ(clicks, 1);
}

TEST(CpuMonitorLifecycle, BeforeInitialisationThereIsNoHistoryAndNoTick) {
  MonitorRig rig;
  rig.Attach();
  rig.monitor.InitProperties();
  EXPECT_TRUE(rig.monitor.LevelHistory().Size() == 0);
  EXPECT_FALSE(rig.monitor.Timer1().Running());
  EXPECT_EQ(rig.monitor.Timer1().Interval(), 0);
  rig.monitor.Timer1_Timer();  // every step touching the history is skipped
  rig.monitor.GetCurrentSystemLevels();
  // Black ground and green grid inside the sunken edge of a new instance.
  EXPECT_EQ(Count(rig.canvas(), 0x000000) + Count(rig.canvas(), 0x008000), 96 * 37);
}

}  // namespace
}  // namespace zv::cpumonitor
