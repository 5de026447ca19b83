// The release pass, the free-memory command, the records log and the automatic release.
#include <gtest/gtest.h>

#include <algorithm>

#include "memory/working_set.h"
#include "tests/main_window_rig.h"

namespace zv::mainwindow {
namespace {

using platform::TrimResult;
constexpr std::uint64_t kMiB = 1048576;

class FreeMemoryTest : public ::testing::Test, protected zv::testing::MainWindowRig {
 protected:
  FreeMemoryTest() {
    processes.processes = {{4, TrimResult::kTrimmed},
                           {8, TrimResult::kRefused},
                           {1000, TrimResult::kTrimmed},
                           {12, TrimResult::kTrimmed}};
    memory.ex.totalPhys = 8192 * kMiB;
    memory.ex.availPhys = 3000 * kMiB;
    regional.time = "14:05:33";
    Load();
  }
  forms::TextBox& Records() { return static_cast<forms::TextBox&>(*form().Find("TextRecords")); }
  forms::Form& form() { return window.GetForm(); }
  // The pass frees this much: the available memory grows during the first trim.
  void FreeDuringPass(std::int64_t megabytes) {
    processes.beforeTrim = [this, megabytes, done = false](platform::ProcessId) mutable {
      if (done) return;
      done = true;
      memory.ex.availPhys = static_cast<std::uint64_t>(static_cast<std::int64_t>(memory.ex.availPhys) +
                                                       megabytes * static_cast<std::int64_t>(kMiB));
    };
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : host.messages.History()) texts.push_back(shown.text);
    return texts;
  }
};

TEST_F(FreeMemoryTest, APassTriesEveryProcessAndClosesItsSnapshotOnce) {
  processes.beforeTrim = [this](platform::ProcessId id) {
    if (id == 4) processes.EndProcess(12);  // exits between the snapshot and its turn
  };
  const int yieldsBefore = host.loop.DoEventsCalls();
  window.DoAllMiniUseMemory();
  EXPECT_EQ(processes.calls,
            (std::vector<std::string>{"TakeSnapshot", "First 4", "Trim 4 trimmed", "Next 8", "Trim 8 refused",
                                      "Next 1000", "Trim 1000 trimmed", "Next 12", "Trim 12 not-opened",
                                      "Next end", "CloseSnapshot"}));
  EXPECT_EQ(host.loop.DoEventsCalls() - yieldsBefore, 8);
  EXPECT_EQ(processes.OpenSnapshots(), 0);
}

TEST_F(FreeMemoryTest, NoSnapshotTrimsNothing) {
  processes.snapshotFails = true;
  window.DoAllMiniUseMemory();
  EXPECT_TRUE(processes.trimRequests.empty());
}

TEST_F(FreeMemoryTest, TheCommandReportsTheMeasuredDropAndLogsIt) {
  struct Case {
    std::int64_t freed;
    const char* line;
  };
  const Case cases[] = {{57, "释放内存成功， 57 MB 内存已释放。"},
                        {0, "释放内存成功， 0 MB 内存已释放。"},
                        {-3, "释放内存成功， -3 MB 内存已释放。"}};
  std::string log;
  for (const Case& c : cases) {
    FreeDuringPass(c.freed);
    window.CommandFreeMemory_Click();
    log += std::string("14:05:33\r\n") + c.line + "\r\n\r\n";
    ASSERT_FALSE(host.messages.History().empty());
    EXPECT_EQ(host.messages.History().back().text, c.line);
    EXPECT_EQ(host.messages.History().back().icon, forms::MessageIcon::Information);
  }
  EXPECT_EQ(Records().Text(), log);
  EXPECT_EQ(Records().SelectionStart(), log.size());
}

TEST_F(FreeMemoryTest, TheButtonRunsTheCommand) {
  auto& button = *form().Find("CommandFreeMemory");
  button.RaiseClick();
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"释放内存成功， 0 MB 内存已释放。"}));
}

TEST_F(FreeMemoryTest, UserTextInTheLogIsKept) {
  host.backend.TextPeerOf(Records())->screenText = "my note";
  Records().UserEdited();
  window.AutoFreeMemory();
  EXPECT_EQ(Records().Text(), "my note14:05:33\r\n释放内存成功， 0 MB 内存已释放。\r\n\r\n");
}

TEST_F(FreeMemoryTest, AClickDuringAPassRunsASecondPassInsideTheFirst) {
  bool clicked = false;
  host.loop.pendingEvents = [&] {
    if (clicked) return;
    clicked = true;
    window.CommandFreeMemory_Click();
  };
  // While the outer command's box is open, an automatic release runs and logs first.
  host.messages.whileOpen = nullptr;
  window.AutoFreeMemory();
  EXPECT_EQ(processes.snapshotsTaken, 2);
  EXPECT_EQ(processes.OpenSnapshots(), 0);
  const std::string entry = "14:05:33\r\n释放内存成功， 0 MB 内存已释放。\r\n\r\n";
  EXPECT_EQ(Records().Text(), entry + entry);
  EXPECT_EQ(MessageTexts().size(), 1u);
}

TEST_F(FreeMemoryTest, AnAutomaticReleaseWhileTheBoxIsOpenIsLoggedFirst) {
  FreeDuringPass(5);
  host.messages.whileOpen = [this] {
    FreeDuringPass(2);
    window.AutoFreeMemory();
  };
  window.CommandFreeMemory_Click();
  EXPECT_EQ(Records().Text(),
            "14:05:33\r\n释放内存成功， 2 MB 内存已释放。\r\n\r\n14:05:33\r\n释放内存成功， 5 MB "
            "内存已释放。\r\n\r\n");
}

TEST_F(FreeMemoryTest, EndingTheProgramDuringAPassStopsItQuietly) {
  host.loop.pendingEvents = [this] { host.loop.Quit(); };
  window.CommandFreeMemory_Click();
  EXPECT_EQ(processes.trimRequests.size(), 0u);
  EXPECT_EQ(processes.OpenSnapshots(), 0);
  EXPECT_TRUE(host.messages.History().empty());
  EXPECT_EQ(Records().Text(), "");
}

class AutomaticReleaseTest : public FreeMemoryTest {
 protected:
  void SwitchOn(const char* interval) {
    ASSERT_TRUE(static_cast<forms::ComboBox&>(*form().Find("ComboInterval")).SetText(interval));
    form().FindTimer("TimerAutoFreeMemory")->SetEnabled(true);
  }
  void SwitchOff() { form().FindTimer("TimerAutoFreeMemory")->SetEnabled(false); }
  std::vector<std::int64_t> ReleaseTimes() {
    std::vector<std::int64_t> seconds;
    for (std::int64_t t : snapshotTimes) seconds.push_back(t / 1000);
    return seconds;
  }
  void SetUp() override {
    processes.beforeTrim = nullptr;
    processes.processes = {{4, TrimResult::kTrimmed}};
    host.loop.pendingEvents = [this] {
      if (processes.snapshotsTaken > static_cast<int>(snapshotTimes.size()))
        snapshotTimes.push_back(host.timers.Now());
    };
  }
  std::vector<std::int64_t> snapshotTimes;
};

TEST_F(AutomaticReleaseTest, ThreeMinutesReleasesAt180Then359Then538Seconds) {
  SwitchOn("3 分钟");
  host.timers.Advance(540 * 1000);
  EXPECT_EQ(ReleaseTimes(), (std::vector<std::int64_t>{180, 359, 538}));
  EXPECT_TRUE(host.messages.History().empty());
}

TEST_F(AutomaticReleaseTest, SwitchingOffAndOnDoesNotRestartTheCount) {
  SwitchOn("1 分钟");
  host.timers.Advance(40 * 1000);
  SwitchOff();
  host.timers.Advance(500 * 1000);
  SwitchOn("1 分钟");
  host.timers.Advance(20 * 1000);
  EXPECT_EQ(ReleaseTimes(), (std::vector<std::int64_t>{560}));
}

TEST_F(AutomaticReleaseTest, ASmallerIntervalReleasesOnTheNextTickAndAnUnknownOneEveryTick) {
  SwitchOn("10 分钟");
  host.timers.Advance(100 * 1000);
  ASSERT_TRUE(static_cast<forms::ComboBox&>(*form().Find("ComboInterval")).SetText("1 分钟"));
  host.timers.Advance(1000);
  EXPECT_EQ(ReleaseTimes(), (std::vector<std::int64_t>{101}));
  EXPECT_EQ(window.AutoFreeTicks(), 1);
}

// Each entry's first release comes at its limit (not a tick sooner or later), the next one a tick sooner
// than a full interval after it; a text that is none of the four entries releases on every tick.
struct IntervalCase {
  const char* name;
  const char* interval;
  std::int64_t seconds;
  std::vector<std::int64_t> releases;
  friend void PrintTo(const IntervalCase& c, std::ostream* os) { *os << c.name; }
};

class IntervalLimitTest : public AutomaticReleaseTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(IntervalLimitTest, ReleasesAtTheLimitAndAgainOneTickSooner) {
  const IntervalCase& c = GetParam();
  auto& list = static_cast<forms::ComboBox&>(*form().Find("ComboInterval"));
  if (std::ranges::find(list.Items(), c.interval) == list.Items().end()) list.AddItem(c.interval);
  SwitchOn(c.interval);
  host.timers.Advance(c.seconds * 1000);
  EXPECT_EQ(ReleaseTimes(), c.releases);
}

INSTANTIATE_TEST_SUITE_P(Entries, IntervalLimitTest,
                         ::testing::Values(IntervalCase{"OneMinute", "1 分钟", 119, {60, 119}},
                                           IntervalCase{"ThreeMinutes", "3 分钟", 359, {180, 359}},
                                           IntervalCase{"FiveMinutes", "5 分钟", 599, {300, 599}},
                                           IntervalCase{"TenMinutes", "10 分钟", 1199, {600, 1199}},
                                           IntervalCase{"UnknownText", "2 分钟", 3, {1, 2, 3}}),
                         [](const ::testing::TestParamInfo<IntervalCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(UsedMemory, WholeMegabytesFromThe64BitStatus) {
  platform::FakeMemoryStatus memory;
  struct Case {
    std::uint64_t total;
    std::uint64_t avail;
    std::int32_t used;
  };
  const Case cases[] = {{8192 * kMiB, 3000 * kMiB, 5192},
                        {8192 * kMiB + kMiB - 1, 3000 * kMiB, 5192},  // the remainder below 1 MB is dropped
                        {64ull * 1024 * kMiB, 1024 * kMiB, 64512},    // far beyond what 32 bits hold
                        {kMiB, 2 * kMiB, 0}};
  for (const Case& c : cases) {
    memory.ex.totalPhys = c.total;
    memory.ex.availPhys = c.avail;
    EXPECT_EQ(memory::GetUsedMemoryMB(memory), c.used) << c.total << " " << c.avail;
  }
  memory.exFails = true;
  EXPECT_EQ(memory::GetUsedMemoryMB(memory), 0);
}

TEST(RandomDigits, CountsAndRange) {
  EXPECT_EQ(memory::RandomDigits(0), "");
  EXPECT_EQ(memory::RandomDigits(-5), "");
  for (int i = 0; i < 200; ++i) {
    const std::string digits = memory::RandomDigits(3);
    ASSERT_EQ(digits.size(), 3u);
    for (char d : digits) EXPECT_TRUE(d >= '2' && d <= '8') << digits;
  }
}

TEST(DebugPrivilege, AsksForTheDebugPrivilege) {
  platform::FakeTokenPrivileges privileges;
  memory::EnableDebugPrivilege(privileges);
  EXPECT_EQ(privileges.requested, (std::vector<std::string>{"SeDebugPrivilege"}));
}

}  // namespace
}  // namespace zv::mainwindow
