// The start-with-Windows entry under the machine's or the user's Run key, and the taskbar styles.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

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

// Runs of the program one after the other, each with or without administrative rights and from a folder;
// after each, the values under both Run keys and what the settings page would report.
enum class Rights { kAdministrator, kStandard };
enum class Action { kAdd, kRemove };

struct ProgramRun {
  Rights rights;
  Action action;
  const char* folder;
  const char* machine;  // the machine's value afterwards; nullptr for none
  const char* user;     // the user's value afterwards
  bool done;
  bool writesUser;  // a value was written under the user's key
};

struct Story {
  const char* name;
  const char* machine;  // seeded before the first run; nullptr for none
  const char* user;
  std::vector<ProgramRun> runs;
};

constexpr const char* kHere = "C:\\Program Files\\Zorvane";
constexpr const char* kHereCommand = "\"C:\\Program Files\\Zorvane\\Zorvane.exe\"";
constexpr const char* kMoved = "D:\\Tools\\Zorvane";
constexpr const char* kMovedCommand = "\"D:\\Tools\\Zorvane\\Zorvane.exe\"";

TEST_F(AutorunTest, EveryRunLeavesTheProgramRegisteredOnceWhereItCanBe) {
  constexpr Rights kAdmin = Rights::kAdministrator;
  constexpr Rights kStandard = Rights::kStandard;
  constexpr Action kAdd = Action::kAdd;
  constexpr Action kRemove = Action::kRemove;
  const Story stories[] = {
      {"elevated, then standard; each removes",
       nullptr,
       nullptr,
       {{kAdmin, kAdd, kHere, kHereCommand, nullptr, true, false},
        {kStandard, kAdd, kHere, kHereCommand, nullptr, true, false},
        {kStandard, kRemove, kHere, kHereCommand, nullptr, false, false},
        {kAdmin, kRemove, kHere, nullptr, nullptr, true, false}}},
      {"standard, then elevated, which removes",
       nullptr,
       nullptr,
       {{kStandard, kAdd, kHere, nullptr, kHereCommand, true, true},
        {kAdmin, kAdd, kHere, kHereCommand, nullptr, true, false},
        {kAdmin, kRemove, kHere, nullptr, nullptr, true, false}}},
      {"standard only",
       nullptr,
       nullptr,
       {{kStandard, kAdd, kHere, nullptr, kHereCommand, true, true},
        {kStandard, kAdd, kHere, nullptr, kHereCommand, true, true},
        {kStandard, kRemove, kHere, nullptr, nullptr, true, false}}},
      {"both keys from earlier runs: the user's copy goes",
       kHereCommand,
       kHereCommand,
       {{kStandard, kAdd, kHere, kHereCommand, nullptr, true, false}}},
      {"the machine's value of the same program in another spelling",
       "  c:\\program files\\zorvane\\ZORVANE.EXE",
       nullptr,
       {{kStandard, kAdd, kHere, "  c:\\program files\\zorvane\\ZORVANE.EXE", nullptr, true, false}}},
      {"the program moved: the machine's old value stays for a standard run",
       kMovedCommand,
       nullptr,
       {{kStandard, kAdd, kHere, kMovedCommand, kHereCommand, true, true},
        {kAdmin, kAdd, kHere, kHereCommand, nullptr, true, false},
        {kStandard, kAdd, kMoved, kHereCommand, kMovedCommand, true, true},
        {kStandard, kRemove, kMoved, kHereCommand, nullptr, false, false},
        {kAdmin, kRemove, kMoved, nullptr, nullptr, true, false}}},
  };
  for (const Story& story : stories) {
    registry_.SetReadOnly(kMachine, false);
    (void)RemoveAutorunEntry(registry_);
    if (story.machine) Seed(kMachine, story.machine);
    if (story.user) Seed(kUser, story.user);
    for (std::size_t i = 0; i < story.runs.size(); ++i) {
      const ProgramRun& run = story.runs[i];
      SCOPED_TRACE(std::string(story.name) + ", run " + std::to_string(i + 1));
      registry_.SetReadOnly(kMachine, run.rights == Rights::kStandard);
      app_.folder = run.folder;
      registry_.calls.clear();
      const AutorunChange change =
          run.action == Action::kAdd ? AddAutorunEntry(registry_, app_) : RemoveAutorunEntry(registry_);
      const auto expected = [](const char* text) {
        return text ? std::optional<std::string>(text) : std::nullopt;
      };
      EXPECT_EQ(Entry(kMachine), expected(run.machine));
      EXPECT_EQ(Entry(kUser), expected(run.user));
      EXPECT_EQ(change.done, run.done);
      EXPECT_EQ(change.location, run.done ? "" : kMachineRun);
      const bool userWritten =
          std::any_of(registry_.calls.begin(), registry_.calls.end(),
                      [](const std::string& call) { return call.starts_with("SetString HKCU"); });
      EXPECT_EQ(userWritten, run.writesUser);
      EXPECT_EQ(registry_.OpenKeys(), 0);
    }
  }
}

TEST(AutorunCommandTest, TheSameProgramWhateverItsQuotationMarksAndLetterCase) {
  const struct {
    const char* a;
    const char* b;
    bool same;
  } rows[] = {
      {"\"C:\\Zorvane\\Zorvane.exe\"", "\"C:\\Zorvane\\Zorvane.exe\"", true},
      {"\"C:\\Zorvane\\Zorvane.exe\"", "C:\\Zorvane\\Zorvane.exe", true},
      {"\"C:\\Zorvane\\Zorvane.exe\"", " \"c:\\ZORVANE\\zorvane.EXE\" ", true},
      {"\"D:\\工具\\Zorvane.exe\"", "d:\\工具\\zorvane.exe", true},
      {"\"C:\\Zorvane\\Zorvane.exe\"", "\"C:\\Zorvane\\Zorvane.exe\" /min", false},
      {"\"C:\\Zorvane\\Zorvane.exe\"", "\"D:\\Zorvane\\Zorvane.exe\"", false},
      {"\"C:\\Zorvane\\Zorvane.exe\"", "\"C:\\Zorvane\\Zorvane.exe", false},
      {"\"C:\\Zorvane\\Zorvane.exe\"", "", false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SameAutorunCommand(row.a, row.b), row.same) << row.a << " | " << row.b;
    EXPECT_EQ(SameAutorunCommand(row.b, row.a), row.same) << row.b << " | " << row.a;
  }
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
