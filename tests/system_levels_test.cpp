// The monitor's sampling: currency, CPU load on both families, memory and disk levels, byte-count texts.
#include <gtest/gtest.h>

#include "cpumonitor/cpu_monitor_support.h"
#include "cpumonitor/currency.h"
#include "cpumonitor/format_filesize.h"
#include "tests/cpumonitor_rig.h"

namespace zv::cpumonitor {
namespace {

using platform::RegistryRoot;
using testing::SupportRig;

TEST(Currency, WholeNumbersAndTheirRange) {
  EXPECT_EQ(Currency::FromWhole(std::int64_t{922337203685477})->TenThousandths(), 9223372036854770000);
  EXPECT_FALSE(Currency::FromWhole(std::int64_t{922337203685478}));
  EXPECT_FALSE(Currency::FromWhole(std::int64_t{-922337203685478}));
  EXPECT_FALSE(Currency::FromWhole(std::uint64_t{18446744073709551615ull}));
  EXPECT_EQ(Currency::FromWhole(std::uint64_t{5'000'000'000ull})->ToDouble(), 5e9);
  EXPECT_FALSE(Currency::FromDouble(1e15));
  EXPECT_FALSE(Currency::FromDouble(std::nan("")));
  EXPECT_EQ(Currency::FromDouble(1.23456)->TenThousandths(), 12346);
  EXPECT_EQ(Currency::FromDouble(-1.23456)->TenThousandths(), -12346);
  const auto max = Currency::FromTenThousandths(INT64_MAX);
  EXPECT_FALSE(max + Currency::FromTenThousandths(1));
  EXPECT_FALSE(Currency::FromTenThousandths(INT64_MIN) - Currency::FromTenThousandths(1));
  EXPECT_FALSE(max * 2);
}

TEST(Currency, ToInt32RoundsHalvesToEven) {
  const struct {
    std::int64_t raw;
    std::optional<std::int32_t> whole;
  } cases[] = {
      {25000, 2},
      {35000, 4},
      {25001, 3},
      {24999, 2},
      {-25000, -2},
      {-35000, -4},
      {-25001, -3},
      {21474836474999, 2147483647},
      {21474836475000, std::nullopt},
      {-21474836485000, INT32_MIN},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Currency::FromTenThousandths(c.raw).ToInt32(), c.whole) << "raw " << c.raw;
  }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, double> cases[] = {{0.5, 0}, {1.5, 2},  {2.5, 2},   {-2.5, -2}, {-3.5, -4},
                                             {2.6, 3}, {-0.4, 0}, {-0.6, -1}, {20.5, 20}};
  for (const auto& [value, rounded] : cases) {
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    EXPECT_EQ(RoundToInt32(value), static_cast<std::int32_t>(rounded)) << value;
  }
  EXPECT_EQ(RoundToInt32(-2147483648.5), INT32_MIN);
  EXPECT_EQ(RoundToInt32(-2147483648.6), std::nullopt);
  EXPECT_EQ(RoundToInt32(std::nan("")), std::nullopt);
  EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(RoundToInt32(2147483647.6), std::nullopt);
}

TEST(IsWindowsNT, OnlyPlatformTwoIsTheNtFamily) {
  for (const auto& [id, isNT] : {std::pair{2u, true}, {1u, false}, {0u, false}}) {
    SupportRig rig;
    rig.counters.platformId = id;
    EXPECT_EQ(rig.support.IsWindowsNT(), isNT) << "platform " << id;
  }
}

// Samples the NT counters after a baseline of 10^12 time units and 4 x 10^11 idle units.
class NtCpuUsage : public ::testing::Test, protected SupportRig {
 protected:
  static constexpr std::int64_t kStartTime = 1'000'000'000'000;
  static constexpr std::int64_t kStartIdle = 400'000'000'000;

  void SetUp() override {
    Set(kStartTime, kStartIdle);
    support.InitializeCpuCounter(true);
  }
  void Set(std::int64_t time, std::int64_t idle) {
    counters.timeOfDay.currentTime = time;
    counters.performance.idleTime = idle;
  }
  float SampleAfter(std::int64_t timeDelta, std::int64_t idleDelta) {
    Set(kStartTime + timeDelta, kStartIdle + idleDelta);
    return support.GetCpuUsage(true);
  }
};

TEST_F(NtCpuUsage, LoadIsRoundedWithTheHalfAddedFirst) {
  constexpr std::int64_t kSecond = 10'000'000;  // 100-ns units
  const struct {
    const char* what;
    std::uint8_t processors;
    std::int64_t timeDelta;
    std::int64_t idleDelta;
    float load;
  } cases[] = {
      {"no time between two samples", 1, 0, 0, 100},
      {"no time, idle delta taken in ms: ratio 0.5", 1, 0, 5'000, 50},
      {"one processor wholly idle", 1, kSecond, kSecond, 0},
      {"two processors wholly idle: 50.5 to even", 2, kSecond, kSecond, 50},
      {"wholly busy: 100.5 to even", 1, kSecond, 0, 100},
      {"33.3 reads 34", 1, kSecond, 6'670'000, 34},
      {"32.0 reads 32", 1, kSecond, 6'800'000, 32},
      {"33.0 reads 34", 1, kSecond, 6'700'000, 34},
      {"10.3 reads 11", 1, kSecond, 8'970'000, 11},
      {"ratio to four decimals first: 0.67996 is 0.68, 32.5 to even", 1, 100'000, 67'996, 32},
      {"no processors", 0, kSecond, kSecond, -1},
  };
  for (const auto& c : cases) {
    counters.basic.numberOfProcessors = c.processors;
    Set(kStartTime, kStartIdle);
    support.InitializeCpuCounter(true);
    EXPECT_EQ(SampleAfter(c.timeDelta, c.idleDelta), c.load) << c.what;
  }
}

TEST_F(NtCpuUsage, AGoodSampleMovesTheBaseline) {
  EXPECT_EQ(SampleAfter(10'000'000, 5'000'000), 50);
  EXPECT_EQ(support.PreviousSystemTime(), kStartTime + 10'000'000);
  EXPECT_EQ(support.PreviousIdleTime(), kStartIdle + 5'000'000);
  // The next interval is measured from there: wholly idle.
  EXPECT_EQ(SampleAfter(20'000'000, 15'000'000), 0);
}

TEST_F(NtCpuUsage, AFailedQueryGivesMinusOneAndKeepsTheBaseline) {
  for (platform::NtStatus platform::FakeSystemCounters::*status :
       {&platform::FakeSystemCounters::basicStatus, &platform::FakeSystemCounters::timeOfDayStatus,
        &platform::FakeSystemCounters::performanceStatus}) {
    counters.*status = platform::kNtNotImplemented;
    EXPECT_EQ(SampleAfter(10'000'000, 10'000'000), -1);
    EXPECT_EQ(support.PreviousSystemTime(), kStartTime);
    EXPECT_EQ(support.PreviousIdleTime(), kStartIdle);
    counters.*status = platform::kNtSuccess;
  }
  // The next good sample covers the whole time since the baseline.
  EXPECT_EQ(SampleAfter(20'000'000, 10'000'000), 50);
}

TEST(NtCpuCounter, AFailedInitialisationLeavesTheZeroBaseline) {
  SupportRig rig;
  rig.counters.timeOfDay.currentTime = 20'000'000;
  rig.counters.performance.idleTime = 5'000'000;
  rig.counters.performanceStatus = platform::kNtNotImplemented;
  rig.support.InitializeCpuCounter(true);
  EXPECT_EQ(rig.support.PreviousSystemTime(), 0);
  rig.counters.performanceStatus = platform::kNtSuccess;
  // Measured against zero: idle a quarter of the time since boot.
  EXPECT_EQ(rig.support.GetCpuUsage(true), 76);  // 75.5 to even is 76
  EXPECT_EQ(rig.counters.calls, (std::vector<std::string>{"QueryTimeOfDay", "QueryPerformance", "QueryBasic",
                                                          "QueryTimeOfDay", "QueryPerformance"}));
}

// The 9x counter under the dynamic-data root.
class Win9xCpuCounter : public ::testing::Test, protected SupportRig {
 protected:
  void PutCounter(std::string_view key, std::uint32_t value) {
    registry.PutValue(RegistryRoot::kDynData, key, "KERNEL\\CPUUsage",
                      {platform::regtype::kBinary,
                       {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}});
  }
  void PutAllKeys(std::uint32_t data) {
    PutCounter("PerfStats\\StartStat", 0);
    PutCounter("PerfStats\\StatData", data);
    PutCounter("PerfStats\\StopStat", 0);
  }
};

TEST_F(Win9xCpuCounter, StartsReadsTheLowByteAndStops) {
  PutAllKeys(0x00000164);
  support.InitializeCpuCounter(false);
  EXPECT_TRUE(support.CounterKeyOpen());
  EXPECT_EQ(support.GetCpuUsage(false), 100);  // low byte 0x64
  support.TerminateCpuCounter(false);
  EXPECT_EQ(registry.calls, (std::vector<std::string>{
                                "OpenKey HKDD\\PerfStats\\StartStat 0xf003f",
                                "QueryValue HKDD\\PerfStats\\StartStat KERNEL\\CPUUsage",
                                "CloseKey HKDD\\PerfStats\\StartStat",
                                "OpenKey HKDD\\PerfStats\\StatData 0x20019",
                                "QueryValue HKDD\\PerfStats\\StatData KERNEL\\CPUUsage",
                                "CloseKey HKDD\\PerfStats\\StatData",
                                "OpenKey HKDD\\PerfStats\\StopStat 0xf003f",
                                "QueryValue HKDD\\PerfStats\\StopStat KERNEL\\CPUUsage",
                                "CloseKey HKDD\\PerfStats\\StopStat",
                            }));
  EXPECT_EQ(registry.OpenKeys(), 0);
  EXPECT_TRUE(messages.History().empty());
}

TEST_F(Win9xCpuCounter, AFailedStartMakesEverySampleShowTheMessage) {
  support.InitializeCpuCounter(false);
  EXPECT_FALSE(support.CounterKeyOpen());
  EXPECT_EQ(support.GetCpuUsage(false), -1);
  EXPECT_EQ(support.GetCpuUsage(false), -1);
  ASSERT_EQ(messages.History().size(), 2u);
  EXPECT_EQ(messages.History()[0].text, "Unable to Query Registry!");
  EXPECT_EQ(messages.History()[0].icon, forms::MessageIcon::None);
}

TEST_F(Win9xCpuCounter, InitialisingAgainReopensTheDataKeyOnce) {
  PutAllKeys(7);
  support.InitializeCpuCounter(false);
  support.InitializeCpuCounter(false);
  EXPECT_EQ(registry.OpenKeys(), 1);
  EXPECT_EQ(support.GetCpuUsage(false), 7);
  support.TerminateCpuCounter(true);  // the NT family has nothing to stop
  EXPECT_TRUE(support.CounterKeyOpen());
}

constexpr std::uint32_t kMiB = 1024 * 1024;
constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;

TEST(ReadMemoryLevels, CopiesTheCountsAndComputesTheSharesInUse) {
  SupportRig rig;
  rig.memory.status32 = {40, 256 * kMiB, 64 * kMiB, 512 * kMiB, 384 * kMiB, 2048u * kMiB - 1, 1024 * kMiB};
  rig.memory.ex = {40, 256 * kMiB, 64 * kMiB, 512 * kMiB, 384 * kMiB, 2 * kGiB, 1 * kGiB};
  SystemLevels levels;
  levels.cpuLoadPercent = 12;
  rig.support.ReadMemoryLevels(levels);
  EXPECT_EQ(levels.cpuLoadPercent, 12);  // not the memory reader's field
  EXPECT_EQ(levels.memoryLoadPercent, 40);
  EXPECT_EQ(levels.physicalMemoryTotal, 256 * 1048576);
  EXPECT_EQ(levels.physicalMemoryAvailable, 64 * 1048576);
  EXPECT_EQ(levels.physicalMemoryAvailablePercent, 75);
  EXPECT_EQ(levels.pageFileAvailablePercent, 25);
  EXPECT_EQ(levels.virtualMemoryAvailablePercent, 50);
}

// Beyond 2 GB the 32-bit counts saturate instead of turning negative, and the shares stay right.
TEST(ReadMemoryLevels, LargeMachinesSaturateTheCountsButNotTheShares) {
  const struct {
    std::uint32_t count;
    std::int32_t field;
  } counts[] = {{0x12345678u, 0x12345678},
                {0x7FFFFFFFu, 0x7FFFFFFF},
                {0x80000000u, 0x7FFFFFFF},
                {0xFFFFFFFFu, 0x7FFFFFFF}};
  for (const auto& c : counts) {
    SupportRig rig;
    rig.memory.status32 = {75, c.count, c.count, c.count, c.count, c.count, c.count};
    rig.memory.ex = {75, 16 * kGiB, 4 * kGiB, 32 * kGiB, 24 * kGiB, 4 * kGiB, 3 * kGiB};
    SystemLevels levels;
    rig.support.ReadMemoryLevels(levels);
    for (std::int32_t field :
         {levels.physicalMemoryTotal, levels.physicalMemoryAvailable, levels.pageFileTotal,
          levels.pageFileAvailable, levels.virtualMemoryTotal, levels.virtualMemoryAvailable}) {
      EXPECT_EQ(field, c.field) << "count " << c.count;
    }
    EXPECT_EQ(levels.physicalMemoryAvailablePercent, 75);
    EXPECT_EQ(levels.pageFileAvailablePercent, 25);
    EXPECT_EQ(levels.virtualMemoryAvailablePercent, 25);
  }
}

TEST(ReadMemoryLevels, WithoutTheWideStatusTheSharesComeFromTheUnsignedCounts) {
  SupportRig rig;
  rig.memory.exFails = true;
  rig.memory.status32 = {80, 0xC0000000u, 0x30000000u, 0xF0000000u, 0x78000000u, 0x80000000u, 0x20000000u};
  SystemLevels levels;
  rig.support.ReadMemoryLevels(levels);
  EXPECT_EQ(levels.physicalMemoryAvailablePercent, 75);
  EXPECT_EQ(levels.pageFileAvailablePercent, 50);
  EXPECT_EQ(levels.virtualMemoryAvailablePercent, 75);
}

TEST(ReadMemoryLevels, AZeroTotalEndsTheReaderThere) {
  SupportRig rig;
  rig.memory.status32 = {30, 256 * kMiB, 64 * kMiB, 0, 0, 2048u * kMiB, 1024 * kMiB};
  rig.memory.ex = {30, 256 * kMiB, 64 * kMiB, 0, 0, 2 * kGiB, 1 * kGiB};
  SystemLevels levels;
  levels.pageFileAvailablePercent = 42;
  levels.virtualMemoryAvailablePercent = 42;
  rig.support.ReadMemoryLevels(levels);
  EXPECT_EQ(levels.physicalMemoryAvailablePercent, 75);
  EXPECT_EQ(levels.pageFileAvailablePercent, 42);
  EXPECT_EQ(levels.virtualMemoryAvailablePercent, 42);
  EXPECT_EQ(levels.virtualMemoryTotal, 2147483647);  // the counts were all copied first
}

struct DiskFields {
  double total, free, available, used;
  float percent;
};

DiskFields Disk(const SystemLevels& levels) {
  return {levels.hdTotalBytes.ToDouble(), levels.hdTotalFreeBytes.ToDouble(),
          levels.hdAvailableFreeBytes.ToDouble(), levels.hdTotalBytesUsed.ToDouble(),
          levels.hdAvailablePercent};
}

TEST(ReadDiskLevels, ExtendedAndOldFunctions) {
  const DiskFields kPrevious = {11, 12, 13, 14, 15};
  const struct {
    const char* what;
    bool hasEx;
    platform::DiskSpaceEx ex;         // for "C:\" when hasEx
    platform::DiskGeometry geometry;  // for "C:\" when !hasEx
    const char* path;
    DiskFields expected;
  } cases[] = {
      {"extended",
       true,
       {30 * kGiB, 100 * kGiB, 40 * kGiB},
       {},
       "C:\\",
       {100.0 * kGiB, 40.0 * kGiB, 30.0 * kGiB, 70.0 * kGiB, 30}},
      {"extended, percent held to four decimals", true, {1, 3, 1}, {}, "C:\\", {3, 1, 1, 2, 33.3333f}},
      {"extended, missing drive", true, {}, {}, "Q:\\", {0, 0, 0, 0, 0}},
      {"extended, zero total ends the reader", true, {0, 0, 0}, {}, "C:\\", kPrevious},
      {"old only: available equals free",
       false,
       {},
       {8, 512, 1000, 4000},
       "C:\\",
       {16'384'000, 4'096'000, 4'096'000, 12'288'000, 25}},
      {"old only, no total: each figure on its own",
       false,
       {},
       {8, 512, 1000, 0},
       "C:\\",
       {0, 4'096'000, 4'096'000, -4'096'000, 0}},
      {"old only, missing drive", false, {}, {}, "Q:\\", {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SupportRig rig;
    rig.counters.hasDiskFreeSpaceEx = c.hasEx;
    rig.counters.drivesEx["C:\\"] = c.ex;
    rig.counters.drives["C:\\"] = c.geometry;
    SystemLevels levels;
    levels.hdTotalBytes = *Currency::FromWhole(std::int64_t{11});
    levels.hdTotalFreeBytes = *Currency::FromWhole(std::int64_t{12});
    levels.hdAvailableFreeBytes = *Currency::FromWhole(std::int64_t{13});
    levels.hdTotalBytesUsed = *Currency::FromWhole(std::int64_t{14});
    levels.hdAvailablePercent = 15;
    rig.support.ReadDiskLevels(c.path, levels);
    const DiskFields actual = Disk(levels);
    EXPECT_EQ(actual.total, c.expected.total) << c.what;
    EXPECT_EQ(actual.free, c.expected.free) << c.what;
    EXPECT_EQ(actual.available, c.expected.available) << c.what;
    EXPECT_EQ(actual.used, c.expected.used) << c.what;
    EXPECT_FLOAT_EQ(actual.percent, c.expected.percent) << c.what;
  }
}

TEST(ReadDiskLevels, LooksTheExtendedFunctionUpOnEveryCall) {
  SupportRig rig;
  rig.counters.hasDiskFreeSpaceEx = false;
  rig.counters.drives["D:\\"] = {8, 512, 1000, 4000};
  SystemLevels levels;
  rig.support.ReadDiskLevels("D:\\", levels);
  rig.counters.hasDiskFreeSpaceEx = true;
  rig.counters.drivesEx["D:\\"] = {1, 2, 1};
  rig.support.ReadDiskLevels("D:\\", levels);
  EXPECT_EQ(rig.counters.calls, (std::vector<std::string>{"LookupDiskFreeSpaceEx", "DiskFreeSpace D:\\",
                                                          "LookupDiskFreeSpaceEx", "DiskFreeSpaceEx D:\\"}));
  EXPECT_EQ(levels.hdAvailablePercent, 50);
}

TEST(FormatFilesize, PatternsAndBoundaries) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0 B"},
      {-5, "-5 B"},
      {1024, "1,024 B"},
      {1025, "1 K"},
      {1536, "2 K"},  // 1.5
      {2048, "2 K"},
      {2560, "2 K"},  // 2.5: the tie goes to the even digit
      {1048575, "1,024 K"},
      {1048576, "1.00 MB"},  // the boundary the ranges leave open counts as megabytes
      {5000000, "4.77 MB"},
      {1073741823, "1,024.00 MB"},
      {1073741824, "1.00 GB"},
      {5e12, "4,656.61 GB"},
      {1180591620717411303424.0, "1,099,511,627,776.00 GB"},  // 2^70: beyond every integer type once scaled
  };
  for (const auto& c : cases) EXPECT_EQ(FormatFilesize(c.value, ",", "."), c.text) << c.value;
}

TEST(FormatFilesize, FollowsTheUsersSeparators) {
  EXPECT_EQ(FormatFilesize(1024, ".", ","), "1.024 B");
  EXPECT_EQ(FormatFilesize(5000000, ".", ","), "4,77 MB");
  EXPECT_EQ(FormatFilesize(5e12, "\xC2\xA0", ","),
            "4\xC2\xA0"
            "656,61 GB");  // a no-break space
}

TEST(FormatFilesize, TheMonitorTakesTheSeparatorsOfTheMomentAndAPointWhenThereIsNone) {
  testing::MonitorRig rig;
  const struct {
    const char* thousands;
    const char* decimal;
    const char* text;
  } cases[] = {
      {",", ".", "4,656.61 GB"},
      {".", ",", "4.656,61 GB"},  // the user changed them while the program runs
      {"\xC2\xA0", "",
       "4\xC2\xA0"
       "656.61 GB"},  // no decimal separator from the platform
  };
  for (const auto& c : cases) {
    rig.regional.thousands = c.thousands;
    rig.regional.decimal = c.decimal;
    EXPECT_EQ(rig.monitor.FormatFilesize(5e12), c.text) << "decimal '" << c.decimal << "'";
  }
}

}  // namespace
}  // namespace zv::cpumonitor
