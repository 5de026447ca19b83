// The test doubles of the platform services behave as the platform does where tests rely on it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/fake/fake_notify_icons.h"
#include "platform/fake/fake_processes.h"
#include "platform/fake/fake_profile_file.h"
#include "platform/fake/fake_registry.h"
#include "tests/profile_file_cases.h"

namespace zv::platform {
namespace {

using ::testing::ElementsAre;

// ---- UniqueHandle ----

struct CountingReleaser : HandleReleaser {
  void Release(OpaqueHandle handle) override { released.push_back(handle); }
  std::vector<OpaqueHandle> released;
};

struct TestKind;
using TestHandle = UniqueHandle<TestKind>;

TEST(UniqueHandleTest, ReleasesEachHandleOnceThroughMovesAndReassignment) {
  CountingReleaser releaser;
  {
    TestHandle a(7, &releaser);
    TestHandle b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), 7u);
    TestHandle c(9, &releaser);
    c = std::move(b);  // 9 goes now, 7 moves on
    EXPECT_THAT(releaser.released, ElementsAre(9));
    c = std::move(c);
    EXPECT_EQ(c.get(), 7u);
  }
  EXPECT_THAT(releaser.released, ElementsAre(9, 7));
}

// ---- FakeProfileFile ----

class FakeProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("zorvane-profile-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    path_ = (folder_ / "config.ini").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void Seed(const char* text) { std::ofstream(path_, std::ios::binary) << text; }
  std::string Content() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::filesystem::path folder_;
  std::string path_;
  FakeProfileFile profile_;
};

TEST_F(FakeProfileFileTest, ReadsAsThePlatformReads) {
  for (const ProfileReadCase& c : ProfileReadCases()) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(path_);
    if (c.file != nullptr) Seed(c.file);
    std::string value = "stale";
    EXPECT_EQ(profile_.Read(path_, c.section, c.key, c.bufferChars, value), c.count);
    EXPECT_EQ(value, c.value);
  }
}

TEST_F(FakeProfileFileTest, WritesAsThePlatformWrites) {
  for (const ProfileWriteCase& c : ProfileWriteCases()) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(path_);
    if (c.seed != nullptr) Seed(c.seed);
    for (const ProfileWrite& w : c.writes) EXPECT_TRUE(profile_.Write(path_, w.section, w.key, w.value));
    EXPECT_EQ(Content(), c.file);
    const ProfileWrite& last = c.writes.back();
    std::string value;
    profile_.Read(path_, last.section, last.key, 255, value);
    EXPECT_EQ(value, last.value);
  }
}

TEST_F(FakeProfileFileTest, KeepsLinesItDoesNotChange) {
  Seed("; settings\r\n[VK]\r\nAutorun=1\r\n\r\n[Other]\r\nB = 2 \r\n");
  EXPECT_TRUE(profile_.Write(path_, "VK", "Interval", "5 分钟"));
  EXPECT_EQ(Content(), "; settings\r\n[VK]\r\nAutorun=1\r\nInterval=5 分钟\r\n\r\n[Other]\r\nB = 2 \r\n");
}

TEST_F(FakeProfileFileTest, WriteIntoAMissingFolderFails) {
  EXPECT_FALSE(profile_.Write((folder_ / "missing" / "config.ini").string(), "VK", "Autorun", "1"));
}

TEST_F(FakeProfileFileTest, ACharacterOutsideThePlaneCountsTwo) {
  Seed("[VK]\r\nA=a😀b\r\n");
  std::string value;
  EXPECT_EQ(profile_.Read(path_, "VK", "A", 3, value), 1u);  // the pair does not fit behind "a"
  EXPECT_EQ(value, "a");
  EXPECT_EQ(profile_.Read(path_, "VK", "A", 4, value), 3u);
  EXPECT_EQ(value, "a😀");
}

// ---- FakeRegistry ----

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(FakeRegistryTest, CreateMakesTheWholePathAndValuesMatchWithoutCase) {
  FakeRegistry registry;
  {
    KeyResult run = registry.CreateKey(RegistryRoot::kLocalMachine, kRun);
    ASSERT_EQ(run.status, regstatus::kSuccess);
    EXPECT_EQ(registry.SetString(run.key, "VK", "C:\\Zorvane\\Zorvane.exe"), regstatus::kSuccess);
    EXPECT_EQ(registry.QueryString(run.key, "vk").value, "C:\\Zorvane\\Zorvane.exe");
  }
  EXPECT_TRUE(registry.HasKey(RegistryRoot::kLocalMachine, "SOFTWARE\\Microsoft\\Windows"));
  EXPECT_FALSE(registry.HasKey(RegistryRoot::kCurrentUser, kRun));
  EXPECT_EQ(registry.GetString(RegistryRoot::kLocalMachine, kRun, "VK"), "C:\\Zorvane\\Zorvane.exe");
  EXPECT_EQ(registry.OpenKeys(), 0);
  EXPECT_THAT(
      registry.calls,
      ElementsAre(std::string("CreateKey HKLM\\") + kRun,
                  std::string("SetString HKLM\\") + kRun + " VK=C:\\Zorvane\\Zorvane.exe",
                  std::string("QueryString HKLM\\") + kRun + " vk", std::string("CloseKey HKLM\\") + kRun));
}

TEST(FakeRegistryTest, AReadOnlyRootOpensExistingKeysButRefusesChanges) {
  FakeRegistry registry;
  registry.PutValue(RegistryRoot::kLocalMachine, kRun, "VK", {regtype::kString, {'o', 'l', 'd', 0}});
  registry.SetReadOnly(RegistryRoot::kLocalMachine, true);

  EXPECT_EQ(registry.CreateKey(RegistryRoot::kLocalMachine, "Software\\New").status,
            regstatus::kAccessDenied);
  KeyResult run = registry.CreateKey(RegistryRoot::kLocalMachine, kRun);
  ASSERT_EQ(run.status, regstatus::kSuccess);
  EXPECT_EQ(registry.SetString(run.key, "VK", "new"), regstatus::kAccessDenied);
  EXPECT_EQ(registry.DeleteValue(run.key, "VK"), regstatus::kAccessDenied);
  EXPECT_EQ(registry.GetString(RegistryRoot::kLocalMachine, kRun, "VK"), "old");
}

TEST(FakeRegistryTest, StatusesOfMissingThingsAndEmptyKeys) {
  FakeRegistry registry;
  KeyResult missing = registry.OpenKey(RegistryRoot::kDynData, "PerfStats\\StatData", regaccess::kRead);
  EXPECT_EQ(missing.status, regstatus::kFileNotFound);
  EXPECT_FALSE(missing.key);
  EXPECT_EQ(registry.SetString(missing.key, "VK", "x"), regstatus::kInvalidHandle);

  KeyResult key = registry.CreateKey(RegistryRoot::kCurrentUser, "Software\\ZorvaneTest");
  EXPECT_EQ(registry.DeleteValue(key.key, "VK"), regstatus::kFileNotFound);
  EXPECT_EQ(registry.QueryString(key.key, "VK").status, regstatus::kFileNotFound);
}

TEST(FakeRegistryTest, QueryValueCopiesOrReportsTheSizeNeeded) {
  FakeRegistry registry;
  registry.PutValue(RegistryRoot::kDynData, "PerfStats\\StatData", "KERNEL\\CPUUsage",
                    {regtype::kBinary, {42, 0, 0, 0}});
  KeyResult key = registry.OpenKey(RegistryRoot::kDynData, "perfstats\\statdata", regaccess::kRead);
  ASSERT_TRUE(key.key);

  std::uint8_t small[2] = {};
  const ValueInfo tooSmall = registry.QueryValue(key.key, "KERNEL\\CPUUsage", small);
  EXPECT_EQ(tooSmall.status, regstatus::kMoreData);
  EXPECT_EQ(tooSmall.size, 4u);

  std::uint8_t data[8] = {};
  const ValueInfo read = registry.QueryValue(key.key, "KERNEL\\CPUUsage", data);
  EXPECT_EQ(read.status, regstatus::kSuccess);
  EXPECT_EQ(read.type, regtype::kBinary);
  EXPECT_EQ(read.size, 4u);
  EXPECT_EQ(data[0], 42);
  EXPECT_EQ(registry.QueryString(key.key, "KERNEL\\CPUUsage").status, regstatus::kUnsupportedType);
}

// ---- FakeProcessList ----

TEST(FakeProcessListTest, ASnapshotListsTheProcessesOfItsMoment) {
  FakeProcessList list;
  list.processes = {{4}, {8, TrimResult::kRefused}, {12}};
  std::vector<ProcessId> walked;
  std::vector<TrimResult> results;
  {
    ProcessSnapshot snapshot = list.TakeSnapshot();
    list.processes.push_back({16});  // started after the snapshot: not listed
    list.EndProcess(12);             // ended after it: listed, but cannot be opened
    ProcessId id = 0;
    for (bool more = list.First(snapshot, id); more; more = list.Next(snapshot, id)) {
      walked.push_back(id);
      results.push_back(list.TrimWorkingSet(id));
    }
    EXPECT_EQ(list.OpenSnapshots(), 1);
  }
  EXPECT_THAT(walked, ElementsAre(4, 8, 12));
  EXPECT_THAT(results, ElementsAre(TrimResult::kTrimmed, TrimResult::kRefused, TrimResult::kNotOpened));
  EXPECT_EQ(list.OpenSnapshots(), 0);
  EXPECT_EQ(list.calls.back(), "CloseSnapshot");
}

TEST(FakeProcessListTest, NestedWalksKeepTheirOwnPlace) {
  FakeProcessList list;
  list.processes = {{4}, {8}};
  std::vector<ProcessId> inner;
  list.beforeTrim = [&](ProcessId outer) {
    if (outer != 4) return;
    list.beforeTrim = nullptr;
    ProcessSnapshot snapshot = list.TakeSnapshot();
    ProcessId id = 0;
    for (bool more = list.First(snapshot, id); more; more = list.Next(snapshot, id)) inner.push_back(id);
  };
  ProcessSnapshot snapshot = list.TakeSnapshot();
  std::vector<ProcessId> outer;
  ProcessId id = 0;
  for (bool more = list.First(snapshot, id); more; more = list.Next(snapshot, id)) {
    outer.push_back(id);
    list.TrimWorkingSet(id);
  }
  EXPECT_THAT(outer, ElementsAre(4, 8));
  EXPECT_THAT(inner, ElementsAre(4, 8));
  EXPECT_EQ(list.snapshotsTaken, 2);
  EXPECT_EQ(list.snapshotsClosed, 1);
}

TEST(FakeProcessListTest, NoSnapshotWalksNothing) {
  FakeProcessList list;
  list.processes = {{4}};
  list.snapshotFails = true;
  ProcessSnapshot snapshot = list.TakeSnapshot();
  ProcessId id = 0;
  EXPECT_FALSE(snapshot);
  EXPECT_FALSE(list.First(snapshot, id));
  EXPECT_THAT(list.calls, ElementsAre("TakeSnapshot failed", "First end"));
}

// ---- FakeNotifyIcons ----

TEST(FakeNotifyIconsTest, TheAreaHoldsOneIconPerWindowAndIdUntilTheShellRestarts) {
  FakeNotifyIcons icons;
  icons.iconFiles = {"C:\\Zorvane\\vk.ico"};
  Icon icon = icons.LoadSmallIcon("C:\\Zorvane\\vk.ico");
  EXPECT_FALSE(icons.LoadSmallIcon("C:\\Zorvane\\missing.ico"));
  const NotifyIconData data{100,  0,          notifyflag::kMessage | notifyflag::kIcon | notifyflag::kTip,
                            2025, icon.get(), "Zorvane"};

  EXPECT_TRUE(icons.Add(data));
  EXPECT_FALSE(icons.Add(data));
  icons.RestartShell();
  EXPECT_FALSE(icons.IsShown(100, 0));
  EXPECT_TRUE(icons.Add(data));
  ASSERT_NE(icons.Shown(100, 0), nullptr);
  EXPECT_TRUE(icons.IsLive(icons.Shown(100, 0)->icon));
  EXPECT_TRUE(icons.Delete(data));
  EXPECT_FALSE(icons.Delete(data));

  icon.Reset();
  EXPECT_FALSE(icons.IsLive(data.icon));
  EXPECT_EQ(icons.LiveIcons(), 0);
}

}  // namespace
}  // namespace zv::platform
