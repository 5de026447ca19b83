// The monitor's properties: set behaviour, the saved values in the property bag, start-up and clean-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

#include "tests/cpumonitor_rig.h"

namespace zv::cpumonitor {
namespace {

using testing::MonitorRig;
using testing::StatusPageBag;

const std::vector<std::string> kReadOrder = {"CPUMonitorDisplayed",
                                             "PageFileDisplayed",
                                             "VirtualMemoryDisplayed",
                                             "CPUMonitorColor",
                                             "MemoryLoadDisplayed",
                                             "MemoryColor",
                                             "PageFileColor",
                                             "VirtualMemoryColor",
                                             "DisplayGrid",
                                             "DisplayGridColor",
                                             "UpdateInterval",
                                             "ScrollGrid",
                                             "DiagramStyle",
                                             "Appearance",
                                             "BorderStyle",
                                             "BackColor",
                                             "Enabled",
                                             "HDMonitorDisplayed",
                                             "HDMonitorColor",
                                             "HDDriveLetter"};
const std::vector<std::string> kWriteOrder = {
    "BackColor",           "Appearance",          "BorderStyle",
    "CPUMonitorDisplayed", "PageFileDisplayed",   "VirtualMemoryDisplayed",
    "CPUMonitorColor",     "MemoryLoadDisplayed", "MemoryColor",
    "PageFileColor",       "VirtualMemoryColor",  "Enabled",
    "DisplayGrid",         "DisplayGridColor",    "UpdateInterval",
    "ScrollGrid",          "DiagramStyle",        "HDMonitorDisplayed",
    "HDMonitorColor",      "HDDriveLetter"};

TEST(CpuMonitorBag, AnEmptyBagGivesTheDefaultsInKeyOrderThenStartsTheMonitor) {
  MonitorRig rig;
  rig.monitor.Move(0, 0, 1536, PixelsToTwips(41));  // 102.4 pixels
  static_cast<forms::Control&>(rig.monitor).SetEnabled(false);
  platform::RecordingPropertyBag bag;
  rig.monitor.ReadProperties(bag);
  EXPECT_EQ(bag.reads, kReadOrder);

  const CpuMonitor& m = rig.monitor;
  for (bool shown : {m.CPUMonitorDisplayed(), m.MemoryLoadDisplayed(), m.PageFileDisplayed(),
                     m.VirtualMemoryDisplayed(), m.HDMonitorDisplayed(), m.DisplayGrid(), m.ScrollGrid()}) {
    EXPECT_TRUE(shown);
  }
  EXPECT_EQ(m.DiagramStyle(), 0);
  EXPECT_EQ(m.UpdateInterval(), 1000);
  EXPECT_EQ(m.CPUMonitorColor(), 65280u);
  EXPECT_EQ(m.MemoryLoadColor(), 65535u);
  EXPECT_EQ(m.PageFileColor(), 255u);
  EXPECT_EQ(m.VirtualMemoryColor(), 16711680u);
  EXPECT_EQ(m.DisplayGridColor(), 32768u);
  EXPECT_EQ(m.HDMonitorColor(), 16744703u);
  EXPECT_EQ(m.HDDriveLetter(), "");
  // The staged values reach the surface at the end.
  EXPECT_EQ(m.BackColor(), 0u);
  EXPECT_EQ(m.Appearance(), 1);
  EXPECT_EQ(m.BorderStyle(), 1);
  EXPECT_TRUE(m.Enabled());

  EXPECT_TRUE(m.Timer1().Running());
  EXPECT_EQ(m.Timer1().Interval(), 1000);
  EXPECT_EQ(m.LevelHistory().Size(), 103u);  // slots 0 to round(102.4)
  EXPECT_EQ(m.LastEmptyIndex(), 97);         // 102 pixels less the sunken edge, two on each side
  EXPECT_TRUE(m.PlatformIsNT());
  EXPECT_EQ(rig.counters.calls,
            (std::vector<std::string>{"PlatformId", "QueryTimeOfDay", "QueryPerformance"}));
  // Reading draws nothing and notifies nothing.
  EXPECT_FALSE(rig.attached);
  EXPECT_TRUE(rig.host.changed.empty());
}

TEST(CpuMonitorBag, TheStatusPagesSavedValues) {
  MonitorRig rig(411, 41);
  rig.Load(StatusPageBag());
  const CpuMonitor& m = rig.monitor;
  EXPECT_EQ(m.BackColor(), 0xFFFFFFu);
  EXPECT_EQ(m.DisplayGridColor(), 0xC0C0C0u);
  EXPECT_EQ(m.CPUMonitorColor(), 0x008000u);
  EXPECT_EQ(m.MemoryLoadColor(), 0x0000FFu);
  EXPECT_FALSE(m.PageFileDisplayed() || m.VirtualMemoryDisplayed() || m.HDMonitorDisplayed());
  EXPECT_TRUE(m.CPUMonitorDisplayed() && m.MemoryLoadDisplayed() && m.ScrollGrid());
  EXPECT_EQ(m.Timer1().Interval(), 500);
  EXPECT_EQ(m.Appearance(), 0);
  EXPECT_EQ(m.BorderStyle(), 0);
  EXPECT_EQ(m.HDDriveLetter(), "C:\\");
  EXPECT_EQ(m.LevelHistory().Size(), 412u);

  // Saved again, the same twelve keys come back, in table order.
  platform::RecordingPropertyBag saved;
  rig.monitor.WriteProperties(saved);
  EXPECT_EQ(saved.writes, kWriteOrder);
  std::vector<std::string> keys;
  for (const auto& [key, value] : saved.Entries()) {
    keys.push_back(key);
    EXPECT_EQ(value, *StatusPageBag().Find(key)) << key;
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"BackColor", "Appearance", "BorderStyle", "PageFileDisplayed",
                                            "VirtualMemoryDisplayed", "CPUMonitorColor", "MemoryColor",
                                            "PageFileColor", "DisplayGridColor", "UpdateInterval",
                                            "HDMonitorDisplayed", "HDDriveLetter"}));
}

TEST(CpuMonitorBag, SavingDefaultsWritesNothing) {
  MonitorRig rig;
  rig.Load();
  platform::RecordingPropertyBag saved;
  saved.Set("ScrollGrid", false);  // a stale value is dropped when the default is saved
  rig.monitor.WriteProperties(saved);
  EXPECT_EQ(saved.writes, kWriteOrder);
  EXPECT_TRUE(saved.Entries().empty());
}

TEST(CpuMonitorBag, MemoryLoadColorLivesUnderMemoryColor) {
  MonitorRig rig;
  platform::RecordingPropertyBag bag;
  bag.Set("MemoryLoadColor", std::int32_t{0x111111});  // not a key of the control
  bag.Set("memorycolor", std::int32_t{0x222222});      // keys match without regard to case
  rig.Load(bag);
  EXPECT_EQ(rig.monitor.MemoryLoadColor(), 0x222222u);

  rig.monitor.SetMemoryLoadColor(0x333333);
  EXPECT_EQ(rig.host.changed, (std::vector<std::string>{"MemoryColor"}));
  platform::RecordingPropertyBag saved;
  rig.monitor.WriteProperties(saved);
  ASSERT_EQ(saved.Entries().size(), 1u);
  EXPECT_EQ(saved.Entries()[0].key, "MemoryColor");
  EXPECT_EQ(saved.Entries()[0].value, SavedValue(std::int32_t{0x333333}));
}

TEST(CpuMonitorBag, AValueThatDoesNotConvertIsSkipped) {
  MonitorRig rig;
  rig.Load(StatusPageBag());
  platform::RecordingPropertyBag bag;
  bag.Set("UpdateInterval", std::string("soon"));
  bag.Set("DiagramStyle", std::string("2"));
  bag.Set("Appearance", std::int32_t{70000});  // not a 16-bit number
  bag.Set("ScrollGrid", std::int32_t{0});
  bag.Set("DisplayGrid", std::string("false"));
  rig.Load(bag);
  EXPECT_EQ(rig.monitor.UpdateInterval(), 500);
  EXPECT_EQ(rig.monitor.DiagramStyle(), 2);
  EXPECT_EQ(rig.monitor.Appearance(), 0);
  EXPECT_FALSE(rig.monitor.ScrollGrid());
  EXPECT_FALSE(rig.monitor.DisplayGrid());
  EXPECT_EQ(rig.monitor.MemoryLoadColor(), 0x00FFFFu);  // a missing key reads as its default
}

TEST(CpuMonitorProperties, HDDriveLetter) {
  const struct {
    const char* set;
    const char* stored;
    bool notified;
  } cases[] = {
      {"e:\\data", "E:\\", true},
      {"", "C:\\", false},
      {"e", "e", true},
      {"c:", "C:\\", true},
      {"d:\\temp", "D:\\", true},
      {"7x", "7:\\", true},
      {"\xC3\xBC", "\xC3\xBC", true},  // one character of two bytes is stored as given
      {"\xC3\xBC:\\x", "\xC3\xBC:\\", true},
  };
  for (const auto& c : cases) {
    MonitorRig rig;
    rig.Load(StatusPageBag());
    const int presents = rig.surface().presents;
    rig.monitor.SetHDDriveLetter(c.set);
    EXPECT_EQ(rig.monitor.HDDriveLetter(), c.stored) << '"' << c.set << '"';
    EXPECT_EQ(rig.host.changed.size(), c.notified ? 1u : 0u) << '"' << c.set << '"';
    EXPECT_EQ(rig.surface().presents, presents) << "no redraw for \"" << c.set << '"';
  }
}

TEST(CpuMonitorProperties, TheNextSampleReadsTheNewDrive) {
  MonitorRig rig;
  rig.counters.drivesEx["D:\\"] = {1, 4, 2};
  rig.Load(StatusPageBag());
  rig.monitor.SetHDDriveLetter("d:\\temp");
  rig.monitor.GetCurrentSystemLevels();
  EXPECT_EQ(rig.counters.calls.back(), "QueryPerformance");
  EXPECT_NE(std::find(rig.counters.calls.begin(), rig.counters.calls.end(), "DiskFreeSpaceEx D:\\"),
            rig.counters.calls.end());
}

TEST(CpuMonitorProperties, UpdateIntervalTouchesTheTimerOnlyInRunMode) {
  MonitorRig design;
  design.host.userMode = false;
  design.Load(StatusPageBag());
  design.monitor.SetUpdateInterval(250);
  EXPECT_EQ(design.monitor.UpdateInterval(), 250);
  EXPECT_EQ(design.monitor.Timer1().Interval(), 0);
  EXPECT_FALSE(design.monitor.Timer1().Running());
  EXPECT_EQ(design.host.changed, (std::vector<std::string>{"UpdateInterval"}));

  MonitorRig run;
  run.Load(StatusPageBag());
  const int presents = run.surface().presents;
  run.monitor.SetUpdateInterval(250);
  EXPECT_EQ(run.monitor.Timer1().Interval(), 250);
  run.host.timers.Advance(1000);
  EXPECT_EQ(run.monitor.LastEmptyIndex(), 99 - 4);
  run.monitor.SetUpdateInterval(0);  // stops the ticks, the switch stays on
  EXPECT_FALSE(run.monitor.Timer1().Running());
  EXPECT_TRUE(run.monitor.Timer1().Enabled());
  EXPECT_EQ(run.surface().presents, presents + 4);  // no redraw of its own
}

// Every settable property through its identifier: stored, redrawn or not, notified under its bag key.
TEST(CpuMonitorProperties, EachSetFollowsTheTable) {
  for (const MonitorProperty& property : MonitorProperties()) {
    MonitorRig rig;
    rig.Load(StatusPageBag());
    SavedValue value;
    SavedValue expected;
    switch (property.kind) {
      case PropertyKind::kColor:
        value = expected = std::int32_t{0x123456};
        break;
      case PropertyKind::kBoolean:
        value = expected = false;
        break;
      case PropertyKind::kInteger16:
        value = expected = std::int16_t{1};
        break;
      case PropertyKind::kInteger32:
        value = expected = std::int32_t{7};
        break;
      case PropertyKind::kMilliseconds:
        value = expected = std::int32_t{250};
        break;
      case PropertyKind::kText:
        value = std::string("x:\\y"), expected = std::string("X:\\");
        break;
      case PropertyKind::kHandle:
        value = expected = std::int32_t{1};
        break;
    }
    const int presents = rig.surface().presents;
    EXPECT_EQ(rig.monitor.SetProperty(property.id, value), property.settable()) << property.name;
    if (!property.settable()) {
      EXPECT_TRUE(rig.host.changed.empty()) << property.name;
      continue;
    }
    EXPECT_EQ(rig.monitor.GetProperty(property.id), expected) << property.name;
    EXPECT_EQ(rig.surface().presents - presents, property.redraws ? 1 : 0) << property.name;
    EXPECT_EQ(rig.host.changed, (std::vector<std::string>{std::string(property.bagKey)})) << property.name;
  }
}

TEST(CpuMonitorProperties, NoSetChecksItsValue) {
  MonitorRig rig;
  rig.Load();
  EXPECT_TRUE(rig.monitor.SetProperty(dispid::kDiagramStyle, std::int32_t{-42}));
  EXPECT_TRUE(rig.monitor.SetProperty(dispid::kUpdateInterval, std::int32_t{-1}));
  EXPECT_TRUE(rig.monitor.SetProperty(dispid::kBackColor, std::int32_t{-1}));
  EXPECT_EQ(rig.monitor.DiagramStyle(), -42);
  EXPECT_EQ(rig.monitor.BackColor(), 0xFFFFFFFFu);
  EXPECT_FALSE(rig.monitor.Timer1().Running());
  EXPECT_FALSE(rig.monitor.SetProperty(dispid::kUpdateInterval, std::string("often")));
  EXPECT_FALSE(rig.monitor.SetProperty(0x12345678, true));
  const auto handle = static_cast<std::int32_t>(rig.surface().handle);
  EXPECT_EQ(rig.monitor.GetProperty(dispid::kHWnd), SavedValue(handle));
  EXPECT_EQ(rig.monitor.GetProperty(dispid::kHdc), SavedValue(handle + 1));
}

TEST(CpuMonitorProperties, PublishedMembers) {
  std::set<std::uint32_t> ids;
  for (const MonitorProperty& property : MonitorProperties()) ids.insert(property.id);
  for (const MonitorMethod& method : kMonitorMethods) ids.insert(method.id);
  EXPECT_EQ(ids.size(), MonitorProperties().size() + kMonitorMethods.size());
  EXPECT_EQ(MonitorProperties().size(), 22u);
  EXPECT_EQ(FindMonitorProperty("MemoryLoadColor")->description,
            "Return/Set the color to use to display the level of Available Memory ");
  EXPECT_EQ(FindMonitorProperty(0x68030015)->name, "BackColor");
  EXPECT_EQ(kMonitorMethods[0].description, "Forces a complete repaint of a object.");
  EXPECT_EQ(FindMonitorProperty("hWnd")->settable(), false);
}

// HDMonitorColor is stored and saved, but neither redraws nor colours the disk series.
TEST(CpuMonitorProperties, TheDiskSeriesKeepsItsOwnColour) {
  MonitorRig rig;
  rig.counters.drivesEx["C:\\"] = {500, 1000, 500};
  forms::PropertyBag bag = StatusPageBag();
  bag.Set("HDMonitorDisplayed", true);
  bag.Set("CPUMonitorDisplayed", false);
  bag.Set("MemoryLoadDisplayed", false);
  bag.Set("HDMonitorColor", std::int32_t{0x00FF00});
  rig.Load(bag);
  rig.Tick(2);
  EXPECT_EQ(rig.Pixel(98, 20), kDiskSeriesColor);
}

TEST(CpuMonitorLifecycle, ANewInstance) {
  MonitorRig rig;
  rig.Attach();
  const int presents = rig.surface().presents;
  rig.monitor.InitProperties();
  EXPECT_EQ(rig.monitor.HDDriveLetter(), "C:\\");
  EXPECT_EQ(rig.monitor.UpdateInterval(), 1000);
  EXPECT_EQ(rig.monitor.Appearance(), 1);
  EXPECT_EQ(rig.monitor.BorderStyle(), 1);
  EXPECT_EQ(rig.monitor.BackColor(), 0u);
  EXPECT_EQ(rig.surface().presents, presents + 1);
  EXPECT_TRUE(rig.host.changed.empty());
  EXPECT_FALSE(rig.monitor.Timer1().Running());
  // Saved, only the drive differs from the bag's defaults.
  platform::RecordingPropertyBag saved;
  rig.monitor.WriteProperties(saved);
  ASSERT_EQ(saved.Entries().size(), 1u);
  EXPECT_EQ(saved.Entries()[0].value, SavedValue(std::string("C:\\")));
}

// A width that rounds outside 0..32767 columns skips the resize of the history: earlier samples stay.
TEST(CpuMonitorLifecycle, AnImpossibleWidthKeepsTheHistoryItHad) {
  const struct {
    int twips;
    std::int32_t lastEmpty;  // the inner width less one, after two ticks
  } cases[] = {{-45, -1}, {PixelsToTwips(32768), 32765}};
  for (const auto& c : cases) {
    MonitorRig rig;
    rig.Load(StatusPageBag());
    rig.Tick(2);
    rig.monitor.Move(0, 0, c.twips, PixelsToTwips(41));
    rig.Load(StatusPageBag());
    EXPECT_EQ(rig.monitor.LevelHistory().Size(), 101u) << c.twips;
    rig.Tick(2);
    EXPECT_EQ(rig.monitor.LastEmptyIndex(), c.lastEmpty) << c.twips;
  }
}

// The saved border decides the drawing area, so the first slot never sampled is its last column:
// with no border the status page's 411 columns leave 410, with a line 408, with a sunken edge 406.
TEST(CpuMonitorLifecycle, TheFirstEmptySlotFollowsTheSavedBorder) {
  const struct {
    std::int16_t appearance, borderStyle;
    std::int32_t lastEmpty;
  } cases[] = {{0, 0, 410}, {1, 0, 410}, {0, 1, 408}, {1, 1, 406}};
  for (const auto& c : cases) {
    MonitorRig rig(411, 41);
    forms::PropertyBag bag = StatusPageBag();
    bag.Set("Appearance", c.appearance);
    bag.Set("BorderStyle", c.borderStyle);
    rig.Load(bag);
    EXPECT_EQ(rig.monitor.LastEmptyIndex(), c.lastEmpty) << c.appearance << "/" << c.borderStyle;
  }
}

// The status page's chart in its first seconds: the memory trace covers the sampled columns only,
// with no stroke up from the bottom edge for slots never sampled.
TEST(CpuMonitorLifecycle, TheFirstTicksDrawOnlyWhatWasSampled) {
  constexpr Color kMemory = 0x0000FF;
  MonitorRig rig(411, 41);
  rig.memory.status32.memoryLoad = 75;
  rig.Load(StatusPageBag());
  rig.Tick();
  int drawn = 0;
  for (int y = 0; y < 41; ++y) {
    for (int x = 0; x < 411; ++x) drawn += rig.Pixel(x, y) == kMemory;
  }
  EXPECT_EQ(drawn, 0) << "the first tick draws no series";
  rig.Tick(3);
  for (int y = 0; y < 41; ++y) {
    for (int x = 0; x < 411; ++x) {
      if (rig.Pixel(x, y) == kMemory) {
        EXPECT_TRUE(x >= 407 && y == 10) << x << "," << y;
      }
    }
  }
}

TEST(CpuMonitorLifecycle, TerminateStopsThe9xCounter) {
  MonitorRig rig;
  rig.counters.platformId = 1;
  for (const char* key : {"PerfStats\\StartStat", "PerfStats\\StatData", "PerfStats\\StopStat"}) {
    rig.registry.PutValue(platform::RegistryRoot::kDynData, key, "KERNEL\\CPUUsage",
                          {platform::regtype::kBinary, {0x20, 0, 0, 0}});
  }
  rig.Load(StatusPageBag());
  EXPECT_FALSE(rig.monitor.PlatformIsNT());
  EXPECT_EQ(rig.monitor.GetCurrentSystemLevels().cpuLoadPercent, 32);
  EXPECT_EQ(rig.registry.OpenKeys(), 1);
  rig.monitor.Terminate();
  EXPECT_EQ(rig.registry.OpenKeys(), 0);
  EXPECT_EQ(rig.registry.calls.back(), "CloseKey HKDD\\PerfStats\\StopStat");
}

}  // namespace
}  // namespace zv::cpumonitor
