// One copy of the program per session: a later start hands over to the running copy and touches nothing;
// the running copy's main window comes forward on its message as on the icon's double-click.
#include "mainwindow/single_instance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_instance_guard.h"
#include "tests/main_window_rig.h"
#include "tests/settings_files.h"

namespace zv::mainwindow {
namespace {

TEST(RunSingleInstanceTest, OnlyTheFirstStartOfTheSessionRuns) {
  struct Case {
    const char* name;
    bool locked;  // another process holds the lock
    bool lockFails;
    bool runs;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"first in the session", false, false, true, {"Claim taken", "AcceptMessage 0xc000"}},
      {"a copy is running", true, false, false, {"Claim held elsewhere", "NotifyRunningInstance 0xc000"}},
      {"no lock can be made", false, true, true, {"Claim failed", "AcceptMessage 0xc000"}},
  };
  for (const Case& c : cases) {
    platform::FakeInstanceSession session{.locked = c.locked, .lockFails = c.lockFails};
    platform::FakeInstanceGuard guard(session);
    platform::FakeWindowMessages windows;
    bool ran = false;
    const int result = RunSingleInstance(guard, windows, [&] {
      ran = true;
      return 7;
    });
    EXPECT_EQ(ran, c.runs) << c.name;
    EXPECT_EQ(result, c.runs ? 7 : 0) << c.name;
    EXPECT_EQ(guard.calls, c.calls) << c.name;
    EXPECT_EQ(windows.calls, std::vector<std::string>{"RegisterMessage " +
                                                      std::string(platform::kShowMainWindowMessageName)})
        << c.name;
  }
}

// The running copy started in the tray with its mini window; later starts come in the same session. The
// names of registered messages are the session's, so every start registers in the same fake.
class SecondStartTest : public ::testing::Test, protected zv::testing::MainWindowRig {
 protected:
  SecondStartTest() {
    settings.Seed(
        "[VK]\r\nAutorun=1\r\nAutomin=1\r\nShowMiniWindow=1\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n");
    host.app.folder = settings.AppFolder();
  }
  forms::Form& form() { return window.GetForm(); }

  void StartFirst() {
    EXPECT_EQ(RunSingleInstance(firstGuard, windows,
                                [&] {
                                  Load();
                                  return 0;
                                }),
              0);
  }

  // Another process of the program from `folder`: its own runtime and main window over the session's
  // settings files, registry and notification area, built as the entry point builds them.
  bool StartAgain(const std::string& folder) {
    platform::FakeInstanceGuard guard(session);
    bool ran = false;
    EXPECT_EQ(RunSingleInstance(guard, windows,
                                [&] {
                                  ran = true;
                                  headless::HeadlessRuntime other;
                                  other.app.folder = folder;
                                  FormVelkan again(other.runtime,
                                                   {memory, regional, shell, windows, processes, privileges,
                                                    profile, registry, notifyIcons, counters});
                                  other.backend.Load(again.GetForm());
                                  return 0;
                                }),
              0);
    return ran;
  }

  // WM_SYSCOMMAND with SC_RESTORE sent to the main window.
  int RestoreCommands() {
    return static_cast<int>(
        std::count(windows.sent.begin(), windows.sent.end(),
                   platform::FakeWindowMessages::Message{form().Handle(), 0x112, 0xF120, 0}));
  }

  zv::testing::SettingsFolder settings;
  platform::FakeInstanceSession session;
  platform::FakeInstanceGuard firstGuard{session};
};

TEST_F(SecondStartTest, ASecondStartTouchesNothingAndBringsTheHiddenWindowBackOnItsCurrentPage) {
  StartFirst();
  ASSERT_FALSE(form().Visible());
  ASSERT_NE(window.MiniWindowIfCreated(), nullptr);
  window.ImageRecords_Click(0);
  const std::string config = settings.Content();
  const std::size_t profileCalls = profile.calls.size();
  const std::size_t registryCalls = registry.calls.size();
  const std::size_t iconCalls = notifyIcons.calls.size();

  EXPECT_FALSE(StartAgain(settings.AppFolder()));
  EXPECT_FALSE(StartAgain("D:\\Another copy"));
  EXPECT_EQ(settings.Content(), config);
  EXPECT_EQ(profile.calls.size(), profileCalls);
  EXPECT_EQ(registry.calls.size(), registryCalls);
  EXPECT_EQ(notifyIcons.calls.size(), iconCalls);
  EXPECT_FALSE(form().Visible());  // nothing happens before the message arrives

  // Posted to every top-level window of the session; the main window's filter takes it.
  ASSERT_EQ(session.posted.size(), 2u);
  EXPECT_EQ(session.posted[0], session.posted[1]);
  EXPECT_EQ(session.accepted, std::set<std::uint32_t>{session.posted[0]});
  EXPECT_EQ(host.hooks.Deliver(form().Handle(), session.posted[0], 0, 0), 0);
  EXPECT_TRUE(form().Visible());
  EXPECT_EQ(host.backend.PeerOf(form())->activations, 1);
  EXPECT_EQ(RestoreCommands(), 1);
  EXPECT_TRUE(form().Find("PictureRecords")->Visible());
  EXPECT_EQ(static_cast<forms::Label*>(form().Find("LabelState"))->Caption(), "内存释放记录");
  EXPECT_TRUE(window.MiniWindowIfCreated()->GetForm().Visible());
  EXPECT_TRUE(notifyIcons.IsShown(form().Handle(), 0));

  // Already shown (perhaps minimised): activated and restored again.
  EXPECT_EQ(host.hooks.Deliver(form().Handle(), session.posted[1], 0, 0), 0);
  EXPECT_EQ(host.backend.PeerOf(form())->activations, 2);
  EXPECT_EQ(RestoreCommands(), 2);
}

}  // namespace
}  // namespace zv::mainwindow
