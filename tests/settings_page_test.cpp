// The settings page of the main window: the load at start-up and on Cancel, OK's save and what it
// applies, the two boxes that act at once, and hand-edited settings files.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/main_window_rig.h"
#include "tests/settings_files.h"

namespace zv::mainwindow {
namespace {

using platform::RegistryRoot;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The page of one rig, read and driven through its controls.
struct Page {
  explicit Page(zv::testing::MainWindowRig& rig) : form(rig.window.GetForm()) {}
  forms::CheckBox& Box(std::string_view name) { return static_cast<forms::CheckBox&>(*form.Find(name)); }
  forms::ComboBox& Interval() { return static_cast<forms::ComboBox&>(*form.Find("ComboInterval")); }
  forms::Timer& AutoFreeTimer() { return *form.FindTimer("TimerAutoFreeMemory"); }
  std::string AutoFreeLabel() {
    return static_cast<forms::Label&>(*form.Find("LabelAutoFreeMemory")).Caption();
  }
  std::string Records() { return static_cast<forms::TextBox&>(*form.Find("TextRecords")).Text(); }
  void Click(std::string_view button) { form.Find(button)->onClick(); }
  // "Autorun Automin ShowMiniWindow AuroFreeMemory | Interval", e.g. "1 0 0 1 | 3 分钟".
  std::string Values() {
    std::string values;
    for (const char* name : {"CheckAutorun", "CheckAutoMin", "CheckShowMiniWindow", "CheckAutoFreeMemory"}) {
      values += std::to_string(Box(name).Value()) + " ";
    }
    return values + "| " + Interval().Text();
  }
  forms::Form& form;
};

std::vector<std::string> Texts(const zv::testing::MainWindowRig& rig) {
  std::vector<std::string> texts;
  for (const auto& shown : rig.host.messages.History()) texts.push_back(shown.text);
  return texts;
}

class SettingsPageTest : public ::testing::Test, protected zv::testing::MainWindowRig {
 protected:
  SettingsPageTest() { host.app.folder = files.AppFolder(); }
  forms::Form& form() { return window.GetForm(); }
  std::vector<std::string> Messages() const { return Texts(*this); }
  forms::MessageIcon LastIcon() const { return host.messages.History().back().icon; }
  std::optional<std::string> Entry(RegistryRoot root) const { return registry.GetString(root, kRun, "VK"); }
  std::string QuotedExe() const {
    return std::string("\"").append(files.AppFolder()).append("\\Zorvane.exe\"");
  }

  zv::testing::SettingsFolder files;
  Page page{*this};
};

TEST_F(SettingsPageTest, AFirstStartWithoutASettingsFileSaysNothingAndKeepsTheDefaults) {
  Load();
  EXPECT_EQ(profile.calls,
            (std::vector<std::string>{"Read VK Autorun", "Read VK Automin", "Read VK ShowMiniWindow",
                                      "Read VK AuroFreeMemory", "Read VK Interval"}));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(page.Values(), "0 0 0 0 | 5 分钟");
  EXPECT_TRUE(form().Visible());
  EXPECT_FALSE(page.AutoFreeTimer().Running());
  EXPECT_EQ(page.AutoFreeLabel(), "未启用");
  EXPECT_FALSE(page.Interval().Enabled());
  EXPECT_FALSE(files.Exists());  // reading creates nothing
  EXPECT_EQ(Entry(RegistryRoot::kLocalMachine), std::nullopt);
  EXPECT_EQ(Entry(RegistryRoot::kCurrentUser), std::nullopt);
}

TEST_F(SettingsPageTest, StartUpLoadsTheFileAndAppliesIt) {
  files.Seed("[VK]\r\nAutorun=1\r\nAutomin=1\r\nShowMiniWindow=0\r\nAuroFreeMemory=1\r\nInterval=3 分钟\r\n");
  registry.PutValue(RegistryRoot::kLocalMachine, kRun, "VK", {1, {'o', 'l', 'd', 0}});  // the program moved
  Load();
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(page.Values(), "1 1 0 1 | 3 分钟");
  EXPECT_FALSE(form().Visible());
  EXPECT_EQ(Entry(RegistryRoot::kLocalMachine), QuotedExe());
  EXPECT_TRUE(page.AutoFreeTimer().Running());
  EXPECT_EQ(page.AutoFreeLabel(), "已启用");
  EXPECT_TRUE(page.Interval().Enabled());
}

TEST_F(SettingsPageTest, MissingKeysAreSkippedAndTheLaterOnesStillLoad) {
  files.Seed("[VK]\r\nAutorun=1\r\nAutomin=1\r\nAuroFreeMemory=1\r\n");
  Load();
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(page.Values(), "1 1 0 1 | 5 分钟");
  EXPECT_TRUE(page.AutoFreeTimer().Running());
}

TEST_F(SettingsPageTest, TheFirstInvalidValueStopsTheLoadWithOneError) {
  files.Seed("[VK]\r\nAutorun=1\r\nAutomin=1\r\nShowMiniWindow=1\r\nAuroFreeMemory=1\r\nInterval=5 分钟\r\n");
  Load();
  files.Seed("[VK]\r\nAutorun=0\r\nAutomin=3\r\nShowMiniWindow=0\r\nAuroFreeMemory=0\r\nInterval=1 分钟\r\n");
  page.Click("CommandCancel");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Unknown error!"});
  EXPECT_EQ(LastIcon(), forms::MessageIcon::None);
  EXPECT_EQ(page.Values(), "0 1 1 1 | 5 分钟");  // the boxes after Automin keep their values
}

TEST_F(SettingsPageTest, OkSavesTheFileInTheOrderOfFirstWritesAndAppliesThePage) {
  Load();
  page.Box("CheckShowMiniWindow").UserToggle();  // written at once, so its key comes first
  page.Box("CheckAutorun").UserToggle();
  page.Box("CheckAutoFreeMemory").UserToggle();
  EXPECT_TRUE(page.Interval().Enabled());
  page.Interval().UserSelected(3);
  EXPECT_EQ(files.Content(), "[VK]\r\nShowMiniWindow=1\r\n");
  profile.calls.clear();
  page.Click("CommandOK");

  EXPECT_EQ(profile.calls,
            (std::vector<std::string>{"Write VK Autorun=1", "Write VK Automin=0", "Write VK ShowMiniWindow=1",
                                      "Write VK AuroFreeMemory=1", "Write VK Interval=10 分钟"}));
  EXPECT_EQ(files.Content(),
            "[VK]\r\nShowMiniWindow=1\r\nAutorun=1\r\nAutomin=0\r\nAuroFreeMemory=1\r\nInterval=10 分钟\r\n");
  EXPECT_EQ(Messages(), std::vector<std::string>{"设置已保存。"});
  EXPECT_EQ(LastIcon(), forms::MessageIcon::Information);
  EXPECT_EQ(Entry(RegistryRoot::kLocalMachine), QuotedExe());
  EXPECT_TRUE(page.AutoFreeTimer().Running());
  EXPECT_EQ(page.AutoFreeLabel(), "已启用");
}

TEST_F(SettingsPageTest, OkWithTheAutorunBoxUntickedRemovesTheValueEvenWhenAbsent) {
  Load();
  registry.calls.clear();
  page.Click("CommandOK");
  const std::string machine = std::string("DeleteValue HKLM\\") + kRun + " VK";
  const std::string user = std::string("DeleteValue HKCU\\") + kRun + " VK";
  EXPECT_EQ(std::count(registry.calls.begin(), registry.calls.end(), machine), 1);
  EXPECT_EQ(std::count(registry.calls.begin(), registry.calls.end(), user), 1);
  EXPECT_EQ(Messages(), std::vector<std::string>{"设置已保存。"});
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(SettingsPageTest, ASaveThatFailsSaysSoAndWhere) {
  host.app.folder = files.UnwritableFolder();
  Load();
  page.Click("CommandOK");
  EXPECT_EQ(Messages(), std::vector<std::string>{"设置无法保存：无法写入 " + files.UnwritableFolder() +
                                                 "\\config.ini。"});
  EXPECT_EQ(LastIcon(), forms::MessageIcon::None);
}

TEST_F(SettingsPageTest, StartWithWindowsFallsBackToTheUsersKeyAndReportsARefusalOfBoth) {
  registry.SetReadOnly(RegistryRoot::kLocalMachine, true);
  Load();
  page.Box("CheckAutorun").UserToggle();
  page.Click("CommandOK");
  EXPECT_EQ(Entry(RegistryRoot::kCurrentUser), QuotedExe());
  EXPECT_EQ(Messages(), std::vector<std::string>{"设置已保存。"});

  registry.SetReadOnly(RegistryRoot::kCurrentUser, true);
  page.Box("CheckAutorun").UserToggle();
  page.Click("CommandOK");  // the user's value cannot go now
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1],
            "开机自启动无法更改：无法修改注册表 "
            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run。");
  EXPECT_EQ(LastIcon(), forms::MessageIcon::None);
  EXPECT_EQ(files.Content(),
            "[VK]\r\nAutorun=0\r\nAutomin=0\r\nShowMiniWindow=0\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n");
}

// An earlier run with administrative rights left the machine's entry; a standard account cannot change it.
TEST_F(SettingsPageTest, UnderTheMachinesEntryAStandardAccountKeepsTheProgramRegisteredOnce) {
  files.Seed("[VK]\r\nAutorun=1\r\nAutomin=0\r\nShowMiniWindow=0\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n");
  const std::string exe = QuotedExe();
  platform::FakeRegistry::Value value{platform::regtype::kString, {exe.begin(), exe.end()}};
  value.data.push_back(0);
  registry.PutValue(RegistryRoot::kLocalMachine, kRun, "VK", value);
  registry.PutValue(RegistryRoot::kCurrentUser, kRun, "VK", value);  // a second entry from an older version
  registry.SetReadOnly(RegistryRoot::kLocalMachine, true);
  Load();
  EXPECT_EQ(Entry(RegistryRoot::kLocalMachine), exe);
  EXPECT_EQ(Entry(RegistryRoot::kCurrentUser), std::nullopt);  // start-up's Run-key step

  page.Click("CommandOK");
  EXPECT_EQ(Entry(RegistryRoot::kCurrentUser), std::nullopt);
  EXPECT_EQ(Messages(), std::vector<std::string>{"设置已保存。"});

  page.Box("CheckAutorun").UserToggle();
  page.Click("CommandOK");
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1],
            "开机自启动无法更改：无法修改注册表 "
            "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run。");
  EXPECT_EQ(Entry(RegistryRoot::kLocalMachine), exe);
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(SettingsPageTest, TheFileFollowsTheApplicationFolderAtEveryCall) {
  Load();
  page.Click("CommandOK");
  EXPECT_TRUE(files.Exists());
  host.app.folder = files.UnwritableFolder();
  page.Click("CommandOK");
  EXPECT_EQ(Messages().back(), "设置无法保存：无法写入 " + files.UnwritableFolder() + "\\config.ini。");
}

TEST_F(SettingsPageTest, CancelAfterTickingTheMiniWindowBoxKeepsTheTick) {
  files.Seed("[VK]\r\nAutorun=0\r\nAutomin=0\r\nShowMiniWindow=0\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n");
  Load();
  page.Box("CheckShowMiniWindow").UserToggle();
  EXPECT_EQ(files.Content(),
            "[VK]\r\nAutorun=0\r\nAutomin=0\r\nShowMiniWindow=1\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n");
  page.Click("CommandCancel");
  EXPECT_EQ(page.Box("CheckShowMiniWindow").Value(), 1);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(SettingsPageTest, TheAutomaticReleaseBoxSwitchesTheListAtOnceAndTheTimerOnlyOnOk) {
  files.Seed("[VK]\r\nAuroFreeMemory=1\r\n");
  Load();
  page.Box("CheckAutoFreeMemory").UserToggle();
  EXPECT_FALSE(page.Interval().Enabled());
  EXPECT_TRUE(page.AutoFreeTimer().Running());
  EXPECT_EQ(page.AutoFreeLabel(), "已启用");

  page.Click("CommandCancel");
  EXPECT_EQ(page.Box("CheckAutoFreeMemory").Value(), 1);
  EXPECT_TRUE(page.Interval().Enabled());

  page.Box("CheckAutoFreeMemory").UserToggle();
  host.timers.Advance(5000);
  const std::int32_t ticks = window.AutoFreeTicks();
  EXPECT_EQ(ticks, 5);
  page.Click("CommandOK");
  EXPECT_FALSE(page.AutoFreeTimer().Running());
  EXPECT_EQ(page.AutoFreeLabel(), "未启用");
  EXPECT_FALSE(page.Interval().Enabled());  // OK leaves the list as the box left it
  page.Box("CheckAutoFreeMemory").UserToggle();
  page.Click("CommandOK");
  EXPECT_EQ(window.AutoFreeTicks(), ticks);  // switching off and on does not restart the count
}

TEST_F(SettingsPageTest, ANewIntervalTakesEffectBeforeOkAndCancelRestoresTheSavedOne) {
  files.Seed("[VK]\r\nAuroFreeMemory=1\r\nInterval=5 分钟\r\n");
  Load();
  page.Interval().UserSelected(0);
  host.timers.Advance(59000);
  EXPECT_EQ(page.Records(), "");
  host.timers.Advance(1000);
  EXPECT_NE(page.Records().find("释放内存成功"), std::string::npos);
  page.Click("CommandCancel");
  EXPECT_EQ(page.Interval().Text(), "5 分钟");
  EXPECT_TRUE(Messages().empty());
}

// Hand-edited files: each loads, skips what is missing, or stops with one error at the first invalid
// value; nothing crashes, and a later save keeps everything else in the file.
TEST(SettingsFileInputTest, HandEditedFiles) {
  const std::string longLine(10000, 'x');
  struct Row {
    const char* name;
    std::string file;
    const char* values;
    bool error;
  };
  const Row rows[] = {
      {"an empty section", "[VK]\r\n", "0 0 0 0 | 5 分钟", false},
      {"another section only", "[Other]\r\nAutorun=1\r\n", "0 0 0 0 | 5 分钟", false},
      {"garbage bytes around the keys",
       "\xFF\xFE\x01\x02\r\n[VK]\r\n\xC3\x28=\x80\r\nAutorun=1\r\n" + std::string("\0\x7F junk\r\n", 9) +
           "Interval=1 分钟\r\n",
       "1 0 0 0 | 1 分钟", false},
      {"a garbage value", "[VK]\r\nAutorun=1\r\nAutomin=\xC3\x28\r\nShowMiniWindow=1\r\n", "1 0 0 0 | 5 分钟",
       true},
      {"a 10,000-character line", longLine + "\r\n[VK]\r\nAutorun=1\r\nInterval=3 分钟\r\n",
       "1 0 0 0 | 3 分钟", false},
      {"a 10,000-character value", "[VK]\r\nAutorun=1\r\nInterval=" + longLine + "\r\n", "1 0 0 0 | 5 分钟",
       true},
      {"a long value cut to 254 characters", "[VK]\r\nAutorun=" + std::string(300, '0') + "1\r\n",
       "0 0 0 0 | 5 分钟", false},
      {"duplicate sections: the first counts", "[VK]\r\nAutorun=1\r\n[VK]\r\nAutorun=0\r\nAutomin=1\r\n",
       "1 0 0 0 | 5 分钟", false},
      {"duplicate keys: the first counts", "[VK]\r\nAutorun=1\r\nAutorun=0\r\nautorun=3\r\n",
       "1 0 0 0 | 5 分钟", false},
      {"names in any case", "[vk]\r\nAUTORUN=1\r\ninterval=10 分钟\r\n", "1 0 0 0 | 10 分钟", false},
      {"values with spaces",
       "[VK]\r\nAutorun =   1  \r\nAutomin=\r\nShowMiniWindow=   \r\nInterval=  3 分钟  \r\n",
       "1 0 0 0 | 3 分钟", false},
      {"fractions, halves to even",
       "[VK]\r\nAutorun=0.5\r\nAutomin=1.5\r\nShowMiniWindow=0.6\r\nAuroFreeMemory=2.5\r\n",
       "0 2 1 2 | 5 分钟", false},
      {"signs", "[VK]\r\nAutorun=+1\r\nAutomin=-0\r\nShowMiniWindow=-0.4\r\n", "1 0 0 0 | 5 分钟", false},
      {"a negative value", "[VK]\r\nAutorun=1\r\nAutomin=-1\r\nShowMiniWindow=1\r\n", "1 0 0 0 | 5 分钟",
       true},
      {"1e3", "[VK]\r\nAutorun=1e3\r\nAutomin=1\r\n", "0 0 0 0 | 5 分钟", true},
      {"3 for a check box", "[VK]\r\nAutorun=3\r\nAutomin=1\r\n", "0 0 0 0 | 5 分钟", true},
      {"abc", "[VK]\r\nAutorun=1\r\nAutomin=abc\r\nShowMiniWindow=1\r\n", "1 0 0 0 | 5 分钟", true},
      {"an interval not in the list", "[VK]\r\nAuroFreeMemory=1\r\nInterval=7 分钟\r\n", "0 0 0 1 | 5 分钟",
       true},
      {"an interval without its space", "[VK]\r\nInterval=5分钟\r\n", "0 0 0 0 | 5 分钟", true},
  };
  for (const Row& row : rows) {
    zv::testing::SettingsFolder files;
    auto rig = std::make_unique<zv::testing::MainWindowRig>();
    rig->host.app.folder = files.AppFolder();
    const std::string other = "; kept\r\n[Other]\r\nName=Value\r\n";
    files.Seed(other + row.file);
    rig->Load();
    Page page(*rig);
    EXPECT_EQ(page.Values(), row.values) << row.name;
    EXPECT_EQ(Texts(*rig),
              row.error ? std::vector<std::string>{"Unknown error!"} : std::vector<std::string>{})
        << row.name;

    page.Click("CommandOK");
    const std::string saved = files.Content();
    EXPECT_TRUE(saved.starts_with(other)) << row.name;
    std::string folded = saved;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    EXPECT_NE(folded.find("\ninterval=" + page.Interval().Text() + "\r\n"), std::string::npos) << row.name;
  }
}

}  // namespace
}  // namespace zv::mainwindow
