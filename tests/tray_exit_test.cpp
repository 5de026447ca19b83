// The exit command: its order, and a clean end also while a release pass, a message box or the mini
// window's menu is in progress, or when the Windows session ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/main_window_rig.h"
#include "tests/settings_files.h"
#include "tray/module_sub_class.h"
#include "tray/module_tray_icon.h"

namespace zv::mainwindow {
namespace {

class TrayExitTest : public ::testing::Test, protected zv::testing::MainWindowRig {
 protected:
  // Starts with the mini window shown, and opens the tray menu once so that its form is loaded.
  TrayExitTest() {
    settings.Seed(
        "[VK]\r\nAutorun=0\r\nAutomin=0\r\nShowMiniWindow=1\r\nAuroFreeMemory=0\r\nInterval=5 分钟\r\n");
    host.app.folder = settings.AppFolder();
    Load();
    window.ShowTrayMenu();
  }
  forms::Form& form() { return window.GetForm(); }
  forms::Form& tipForm() { return window.MiniWindowIfCreated()->GetForm(); }
  forms::Form& menuForm() { return window.MenuFormIfCreated()->GetForm(); }
  void ChooseExitFromTheTray() {
    host.menus.choice = "m_Exit";
    host.hooks.Deliver(form().Handle(), tray::kTrayCallbackMessage, 0, tray::kWmRButtonDown);
  }
  void ExpectEverythingGone() {
    EXPECT_FALSE(notifyIcons.IsShown(form().Handle(), 0));
    EXPECT_FALSE(host.hooks.IsHooked(form().Handle()));
    EXPECT_TRUE(host.backend.PeerOf(form())->destroyed);
    EXPECT_TRUE(host.backend.PeerOf(tipForm())->destroyed);
    EXPECT_TRUE(host.backend.PeerOf(menuForm())->destroyed);
    for (const char* timer : {"TimerGetMemoryState", "TimerAutoFreeMemory"}) {
      EXPECT_FALSE(host.timers.IsRunning(*form().FindTimer(timer))) << timer;
    }
    EXPECT_FALSE(host.timers.IsRunning(*tipForm().FindTimer("TimerSame")));
    EXPECT_TRUE(host.loop.QuitRequested());
  }
  int IconDeletes() {
    int deletes = 0;
    for (const auto& call : notifyIcons.calls) deletes += call.op == platform::FakeNotifyIcons::Op::kDelete;
    return deletes;
  }

  zv::testing::SettingsFolder settings;
};

TEST_F(TrayExitTest, IconThenProcedureThenTheThreeWindowsThenTheLoop) {
  ASSERT_NE(window.MiniWindowIfCreated(), nullptr);
  ASSERT_TRUE(notifyIcons.IsShown(form().Handle(), 0));
  std::vector<std::string> steps;
  auto state = [&] {
    return std::string(notifyIcons.IsShown(form().Handle(), 0) ? " icon" : "") +
           (host.hooks.IsHooked(form().Handle()) ? " hooked" : "") +
           (host.loop.QuitRequested() ? " quit" : "");
  };
  host.hooks.onRestore = [&] { steps.push_back("procedure back:" + state()); };
  host.backend.PeerOf(form())->onDestroy = [&] { steps.push_back("FormVelkan:" + state()); };
  host.backend.PeerOf(tipForm())->onDestroy = [&] { steps.push_back("FormTip:" + state()); };
  host.backend.PeerOf(menuForm())->onDestroy = [&] { steps.push_back("FormMenu:" + state()); };
  ChooseExitFromTheTray();
  EXPECT_EQ(steps, (std::vector<std::string>{"procedure back:", "FormVelkan:", "FormTip:", "FormMenu:"}));
  EXPECT_EQ(host.hooks.Current(form().Handle()),
            headless::HeadlessWindowHooks::OwnProcedure(form().Handle()));
  ExpectEverythingGone();
  EXPECT_EQ(notifyIcons.LiveIcons(), 0);
}

TEST_F(TrayExitTest, ExitFromTheMiniWindowsMenu) {
  host.menus.choice = "m_Exit";
  tipForm().RouteMouseDown(forms::kRightButton, 0, {100, 3});
  tipForm().RouteMouseUp(forms::kRightButton, 0, {100, 3});
  ExpectEverythingGone();
}

// The pass yields to the event loop; the user exits from the tray meanwhile. The pass stops, and no
// message box and no record follow.
TEST_F(TrayExitTest, ExitDuringAReleasePass) {
  processes.processes = {{.id = 4}, {.id = 100}, {.id = 200}};
  host.loop.pendingEvents = [this] {
    host.loop.pendingEvents = nullptr;
    ChooseExitFromTheTray();
  };
  window.CommandFreeMemory_Click();
  ExpectEverythingGone();
  EXPECT_TRUE(host.messages.History().empty());
  EXPECT_EQ(static_cast<forms::TextBox*>(form().Find("TextRecords"))->Text(), "");
}

TEST_F(TrayExitTest, ExitWhileTheResultsMessageBoxIsOpen) {
  host.messages.whileOpen = [this] { ChooseExitFromTheTray(); };
  window.CommandFreeMemory_Click();
  ExpectEverythingGone();
  EXPECT_EQ(host.messages.History().size(), 1u);
  EXPECT_EQ(static_cast<forms::TextBox*>(form().Find("TextRecords"))->Text(), "");
}

TEST_F(TrayExitTest, TheEndOfTheSessionRunsTheSameSequenceOnce) {
  form().onEndSession();
  ExpectEverythingGone();
  ChooseExitFromTheTray();
  window.EndProgram();
  EXPECT_EQ(IconDeletes(), 1);
}

// Nothing of the tray acts after the exit: not the icon's messages, not the shell's broadcast.
TEST_F(TrayExitTest, AfterExitTheWindowsMessagesReachItsOwnProcedure) {
  const std::uint32_t taskbarCreated = window.SubClass()->TaskbarCreatedMessage();
  ChooseExitFromTheTray();
  const std::size_t menus = host.menus.History().size();
  host.hooks.passedOn.clear();
  host.hooks.Deliver(form().Handle(), tray::kTrayCallbackMessage, 0, tray::kWmRButtonDown);
  host.hooks.Deliver(form().Handle(), taskbarCreated, 0, 0);
  EXPECT_EQ(host.hooks.passedOn.size(), 2u);
  EXPECT_EQ(host.menus.History().size(), menus);
  EXPECT_FALSE(notifyIcons.IsShown(form().Handle(), 0));
  window.ShowTrayMenu();
  EXPECT_EQ(host.menus.History().size(), menus);
}

}  // namespace
}  // namespace zv::mainwindow
