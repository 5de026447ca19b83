// The start-with-Windows entry under the machine's or the user's Run key, and the taskbar styles.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "memory/autorun.h"
#include "memory/taskbar.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_window_messages.h"
#include "platform/headless/headless_runtime.h"

namespace zv::memory {
namespace {

using platform::RegistryRoot;

constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
const std::string kMachineRun = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kUserRun = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class AutorunTest : public ::testing::Test {
 protected:
  std::optional<std::string> Entry(RegistryRoot root) const {
    return registry_.GetString(root, kRunKeyPath, kAutorunValueName);
  }
  void Seed(RegistryRoot root, const std::string& text) {
    platform::FakeRegistry::Value value{platform::regtype::kString, {text.begin(), text.end()}};
    value.data.push_back(0);
    registry_.PutValue(root, kRunKeyPath, kAutorunValueName, value);
  }
  platform::FakeRegistry registry_;
  headless::FixedApplication app_;
};

TEST_F(AutorunTest, TheCommandIsTheQuotedPathOfTheExecutable) {
  struct Row {
    const char* folder;
    const char* command;
  };
  const Row rows[] = {
      {"C:\\Program Files\\Zorvane", "\"C:\\Program Files\\Zorvane\\Zorvane.exe\""},
      {"C:\\", "\"C:\\\\Zorvane.exe\""},  // a drive root: the drive, two separators, the name
      {"D:\\工具\\内存", "\"D:\\工具\\内存\\Zorvane.exe\""},
  };
  for (const Row& row : rows) {
    app_.folder = row.folder;
    EXPECT_EQ(AutorunCommand(app_), row.command) << row.folder;
  }
}

TEST_F(AutorunTest, TheMachineKeyTakesTheEntryAndTheUsersCopyGoes) {
  Seed(kUser, "\"C:\\Old\\Zorvane.exe\"");
  Seed(kMachine, "\"C:\\Old\\Zorvane.exe\"");  // the program moved: the value follows it
  const AutorunChange change = AddAutorunEntry(registry_, app_);
  EXPECT_TRUE(change.done);
  EXPECT_EQ(Entry(kMachine), "\"C:\\Program Files\\Zorvane\\Zorvane.exe\"");
  EXPECT_EQ(Entry(kUser), std::nullopt);
  EXPECT_EQ(registry_.OpenKeys(), 0);
}

TEST_F(AutorunTest, WithoutAdministrativeRightsTheEntryGoesUnderTheUsersKey) {
  registry_.SetReadOnly(kMachine, true);
  EXPECT_TRUE(AddAutorunEntry(registry_, app_).done);
  EXPECT_EQ(Entry(kUser), "\"C:\\Program Files\\Zorvane\\Zorvane.exe\"");
  EXPECT_EQ(Entry(kMachine), std::nullopt);
  EXPECT_EQ(registry_.OpenKeys(), 0);
}

TEST_F(AutorunTest, AnEntryNeitherKeyTakesIsReportedWithBothKeys) {
  registry_.SetReadOnly(kMachine, true);
  registry_.SetReadOnly(kUser, true);
  const AutorunChange change = AddAutorunEntry(registry_, app_);
  EXPECT_FALSE(change.done);
  EXPECT_EQ(change.location, kMachineRun + "、" + kUserRun);
}

TEST_F(AutorunTest, RemovingTakesTheValueFromBothKeysAndAnAbsentValueIsNoFailure) {
  Seed(kMachine, "x");
  Seed(kUser, "y");
  EXPECT_TRUE(RemoveAutorunEntry(registry_).done);
  EXPECT_EQ(Entry(kMachine), std::nullopt);
  EXPECT_EQ(Entry(kUser), std::nullopt);

  registry_.SetReadOnly(kMachine, true);  // nothing to remove, so the refusal does not matter
  EXPECT_TRUE(RemoveAutorunEntry(registry_).done);
  EXPECT_EQ(registry_.OpenKeys(), 0);
}

TEST_F(AutorunTest, AValueThatStaysIsReportedWithItsKey) {
  Seed(kMachine, "x");
  Seed(kUser, "y");
  registry_.SetReadOnly(kMachine, true);
  const AutorunChange change = RemoveAutorunEntry(registry_);
  EXPECT_FALSE(change.done);
  EXPECT_EQ(change.location, kMachineRun);
  EXPECT_EQ(Entry(kUser), std::nullopt);  // the user's copy still goes
}

TEST(TaskbarStyleTest, AddsSystemMenuAndMinimiseBoxToTheStyle) {
  platform::FakeWindowMessages windows;
  const struct {
    std::intptr_t before;
    std::intptr_t after;
  } rows[] = {{0, 0xA0000}, {0x80000000, 0x800A0000}, {0x800A0000, 0x800A0000}, {0x80000, 0xA0000}};
  for (const auto& row : rows) {
    windows.styles[7] = row.before;
    ApplyTaskbarStyle(windows, 7);
    EXPECT_EQ(windows.styles[7], row.after) << std::hex << row.before;
  }
}

}  // namespace
}  // namespace zv::memory
