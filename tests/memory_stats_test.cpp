// Byte-count texts and the memory-status snapshot of the status page.
#include "memory/memory_stats.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_memory_status.h"
#include "platform/fake/fake_regional_settings.h"

namespace zv::memory {
namespace {

struct ByteSizeCase {
  std::uint64_t count;
  const char* text;
};

TEST(FormatByteSize, UnitsRoundingAndShortestForm) {
  const ByteSizeCase cases[] = {
      {0, "0 bytes"},
      {1023, "1023 bytes"},
      {1024, "1 KB"},
      {1280, "1.2 KB"},  // 1.25: the tie goes to the even digit
      {1536, "1.5 KB"},
      {1792, "1.8 KB"},  // 1.75
      {1048575, "1024 KB"},
      {1048576, "1 MB"},
      {1179648, "1.12 MB"},  // 1.125
      {8589934592ull, "8 GB"},
      {3221225472ull, "3 GB"},  // the low 32 bits have their top bit set
      {3512893440ull, "3.27 GB"},
      {1099511627775ull, "1024 GB"},
      {1099511627776ull, "1 TB"},
      {1649267441664ull, "1.5 TB"},
      {18446744073709551615ull, "16777216 TB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatByteSize(c.count), c.text) << "count " << c.count;
  }
}

TEST(FormatByteSize, UsesTheRegionalDecimalSeparator) {
  EXPECT_EQ(FormatByteSize(1536, ","), "1,5 KB");
  EXPECT_EQ(FormatByteSize(8589934592ull, ","), "8 GB");
}

TEST(CollectMemoryStats, FormatsTheThreeFields) {
  platform::FakeMemoryStatus status;
  platform::FakeRegionalSettings regional;
  status.ex.memoryLoad = 45;
  status.ex.totalPhys = 8589934592ull;
  status.ex.availPhys = 3512893440ull;
  ModuleGetMemoryStats2018 stats(status, regional);
  EXPECT_EQ(stats.MemoryLoadText(), "");
  stats.CollectMemoryStats();
  EXPECT_EQ(stats.MemoryLoadText(), "45%");
  EXPECT_EQ(stats.MemoryTotalText(), "8 GB");
  EXPECT_EQ(stats.MemoryAvailText(), "3.27 GB");
}

TEST(CollectMemoryStats, TakesTheSeparatorOfTheMomentAndAPointWhenThereIsNone) {
  platform::FakeMemoryStatus status;
  platform::FakeRegionalSettings regional;
  status.ex = {.memoryLoad = 45, .totalPhys = 1536, .availPhys = 3512893440ull};
  ModuleGetMemoryStats2018 stats(status, regional);
  const struct {
    const char* separator;
    const char* total;
    const char* avail;
  } cases[] = {
      {".", "1.5 KB", "3.27 GB"},
      {",", "1,5 KB", "3,27 GB"},  // the user changed it while the program runs
      {"", "1.5 KB", "3.27 GB"},   // the platform gave nothing
      {"\xD9\xAB",
       "1\xD9\xAB"
       "5 KB",
       "3\xD9\xAB"
       "27 GB"},  // U+066B, two bytes in UTF-8
  };
  for (const auto& c : cases) {
    regional.decimal = c.separator;
    stats.CollectMemoryStats();
    EXPECT_EQ(stats.MemoryTotalText(), c.total) << "separator '" << c.separator << "'";
    EXPECT_EQ(stats.MemoryAvailText(), c.avail) << "separator '" << c.separator << "'";
  }
}

TEST(CollectMemoryStats, AFailedCallGivesTheZeroedTexts) {
  platform::FakeMemoryStatus status;
  platform::FakeRegionalSettings regional;
  status.ex.memoryLoad = 45;
  status.ex.totalPhys = 8589934592ull;
  status.exFails = true;
  ModuleGetMemoryStats2018 stats(status, regional);
  stats.CollectMemoryStats();
  EXPECT_EQ(stats.MemoryLoadText(), "0%");
  EXPECT_EQ(stats.MemoryTotalText(), "0 bytes");
  EXPECT_EQ(stats.MemoryAvailText(), "0 bytes");
}

}  // namespace
}  // namespace zv::memory
