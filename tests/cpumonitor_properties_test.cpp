// The monitor's properties: set behaviour, the saved values in the property bag, start-up and clean-up.
#include <gtest/gtest.h>

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
  MonitorRig rig(100, 41);
  rig.host.outerWidth = 102.4;  // a border takes two pixels
  rig.host.appearance = 0;
  rig.host.borderStyle = 0;
  rig.host.enabled = false;
  MemoryPropertyBag bag;
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
  // The staged values reach the host at the end.
  EXPECT_EQ(rig.host.backColor, 0u);
  EXPECT_EQ(rig.host.appearance, 1);
  EXPECT_EQ(rig.host.borderStyle, 1);
  EXPECT_TRUE(rig.host.enabled);

  EXPECT_TRUE(m.Timer1().Running());
  EXPECT_EQ(m.Timer1().Interval(), 1000);
  EXPECT_EQ(m.LevelHistory().Size(), 103u);  // slots 0 to round(102.4)
  EXPECT_EQ(m.LastEmptyIndex(), 99);
  EXPECT_TRUE(m.PlatformIsNT());
  EXPECT_EQ(rig.counters.calls,
            (std::vector<std::string>{"PlatformId", "QueryTimeOfDay", "QueryPerformance"}));
  // Reading draws nothing and notifies nothing.
  EXPECT_EQ(rig.host.presents, 0);
  EXPECT_TRUE(rig.host.changes.empty());
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
  EXPECT_EQ(rig.host.appearance, 0);
  EXPECT_EQ(rig.host.borderStyle, 0);
  EXPECT_EQ(m.HDDriveLetter(), "C:\\");
  EXPECT_EQ(m.LevelHistory().Size(), 412u);

  // Saved again, the same twelve keys come back, in table order.
  MemoryPropertyBag saved;
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
  MemoryPropertyBag saved;
  saved.Set("ScrollGrid", false);  // a stale value is dropped when the default is saved
  rig.monitor.WriteProperties(saved);
  EXPECT_EQ(saved.writes, kWriteOrder);
  EXPECT_TRUE(saved.Entries().empty());
}

TEST(CpuMonitorBag, MemoryLoadColorLivesUnderMemoryColor) {
  MonitorRig rig;
  MemoryPropertyBag bag;
  bag.Set("MemoryLoadColor", std::int32_t{0x111111});  // not a key of the control
  bag.Set("memorycolor", std::int32_t{0x222222});      // keys match without regard to case
  rig.Load(bag);
  EXPECT_EQ(rig.monitor.MemoryLoadColor(), 0x222222u);

  rig.monitor.SetMemoryLoadColor(0x333333);
  EXPECT_EQ(rig.host.changes, (std::vector<std::string>{"MemoryColor"}));
  MemoryPropertyBag saved;
  rig.monitor.WriteProperties(saved);
  ASSERT_EQ(saved.Entries().size(), 1u);
  EXPECT_EQ(saved.Entries()[0].first, "MemoryColor");
  EXPECT_EQ(saved.Entries()[0].second, PropertyValue(std::int32_t{0x333333}));
}

TEST(CpuMonitorBag, AValueThatDoesNotConvertIsSkipped) {
  MonitorRig rig;
  rig.Load(StatusPageBag());
  MemoryPropertyBag bag;
  bag.Set("UpdateInterval", std::string("soon"));
  bag.Set("DiagramStyle", std::string("2"));
  bag.Set("Appearance", std::int32_t{70000});  // not a 16-bit number
  bag.Set("ScrollGrid", std::int32_t{0});
  bag.Set("DisplayGrid", std::string("false"));
  rig.Load(bag);
  EXPECT_EQ(rig.monitor.UpdateInterval(), 500);
  EXPECT_EQ(rig.monitor.DiagramStyle(), 2);
  EXPECT_EQ(rig.host.appearance, 0);
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
    const int presents = rig.host.presents;
    rig.monitor.SetHDDriveLetter(c.set);
    EXPECT_EQ(rig.monitor.HDDriveLetter(), c.stored) << '"' << c.set << '"';
    EXPECT_EQ(rig.host.changes.size(), c.notified ? 1u : 0u) << '"' << c.set << '"';
    EXPECT_EQ(rig.host.presents, presents) << "no redraw for \"" << c.set << '"';
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
  EXPECT_EQ(design.host.changes, (std::vector<std::string>{"UpdateInterval"}));

  MonitorRig run;
  run.Load(StatusPageBag());
  run.monitor.SetUpdateInterval(250);
  EXPECT_EQ(run.monitor.Timer1().Interval(), 250);
  run.host.timers.Advance(1000);
  EXPECT_EQ(run.monitor.LastEmptyIndex(), 99 - 4);
  run.monitor.SetUpdateInterval(0);  // stops the ticks, the switch stays on
  EXPECT_FALSE(run.monitor.Timer1().Running());
  EXPECT_TRUE(run.monitor.Timer1().Enabled());
  EXPECT_EQ(run.host.presents, 4);  // no redraw of its own
}

// Every settable property through its identifier: stored, redrawn or not, notified under its bag key.
TEST(CpuMonitorProperties, EachSetFollowsTheTable) {
  for (const MonitorProperty& property : kMonitorProperties) {
    MonitorRig rig;
    rig.Load(StatusPageBag());
    PropertyValue value;
    PropertyValue expected;
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
    const int presents = rig.host.presents;
    EXPECT_EQ(rig.monitor.SetProperty(property.id, value), property.settable) << property.name;
    if (!property.settable) {
      EXPECT_TRUE(rig.host.changes.empty()) << property.name;
      continue;
    }
    EXPECT_EQ(rig.monitor.GetProperty(property.id), expected) << property.name;
    EXPECT_EQ(rig.host.presents - presents, property.redraws ? 1 : 0) << property.name;
    EXPECT_EQ(rig.host.changes, (std::vector<std::string>{std::string(property.bagKey)})) << property.name;
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
  EXPECT_EQ(rig.monitor.GetProperty(dispid::kHWnd), PropertyValue(std::int32_t{0x1234}));
  EXPECT_EQ(rig.monitor.GetProperty(dispid::kHdc), PropertyValue(std::int32_t{0x5678}));
}

TEST(CpuMonitorProperties, PublishedMembers) {
  std::set<std::uint32_t> ids;
  for (const MonitorProperty& property : kMonitorProperties) ids.insert(property.id);
  for (const MonitorMethod& method : kMonitorMethods) ids.insert(method.id);
  EXPECT_EQ(ids.size(), kMonitorProperties.size() + kMonitorMethods.size());
  EXPECT_EQ(kMonitorProperties.size(), 22u);
  EXPECT_EQ(FindMonitorProperty("MemoryLoadColor")->description,
            "Return/Set the color to use to display the level of Available Memory ");
  EXPECT_EQ(FindMonitorProperty(0x68030015)->name, "BackColor");
  EXPECT_EQ(kMonitorMethods[0].description, "Forces a complete repaint of a object.");
  EXPECT_EQ(FindMonitorProperty("hWnd")->settable, false);
}

// HDMonitorColor is stored and saved, but neither redraws nor colours the disk series.
TEST(CpuMonitorProperties, TheDiskSeriesKeepsItsOwnColour) {
  MonitorRig rig;
  rig.counters.drivesEx["C:\\"] = {500, 1000, 500};
  MemoryPropertyBag bag = StatusPageBag();
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
  rig.host.appearance = 0;
  rig.host.backColor = 0xFFFFFF;
  rig.monitor.InitProperties();
  EXPECT_EQ(rig.monitor.HDDriveLetter(), "C:\\");
  EXPECT_EQ(rig.monitor.UpdateInterval(), 1000);
  EXPECT_EQ(rig.host.appearance, 1);
  EXPECT_EQ(rig.host.borderStyle, 1);
  EXPECT_EQ(rig.host.backColor, 0u);
  EXPECT_EQ(rig.host.presents, 1);
  EXPECT_TRUE(rig.host.changes.empty());
  EXPECT_FALSE(rig.monitor.Timer1().Running());
  // Saved, only the drive differs from the bag's defaults.
  MemoryPropertyBag saved;
  rig.monitor.WriteProperties(saved);
  ASSERT_EQ(saved.Entries().size(), 1u);
  EXPECT_EQ(saved.Entries()[0].second, PropertyValue(std::string("C:\\")));
}

// A width that rounds outside 0..32767 columns skips the resize of the history: earlier samples stay.
TEST(CpuMonitorLifecycle, AnImpossibleWidthKeepsTheHistoryItHad) {
  for (const double width : {-3.0, 1e12, std::numeric_limits<double>::quiet_NaN()}) {
    MonitorRig rig;
    rig.Load(StatusPageBag());
    rig.Tick(2);
    rig.host.outerWidth = width;
    rig.Load(StatusPageBag());
    EXPECT_EQ(rig.monitor.LevelHistory().Size(), 101u) << width;
    EXPECT_EQ(rig.monitor.LastEmptyIndex(), 99) << width;
    rig.Tick(2);
    EXPECT_EQ(rig.monitor.LastEmptyIndex(), 97) << width;
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
