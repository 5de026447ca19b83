// The main window's message filter: which messages become tray actions and which reach the window's
// own procedure unchanged; the icon's double-click and the shell's restart seen through the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fake/fake_window_messages.h"
#include "platform/headless/headless_runtime.h"
#include "platform/instance_guard.h"
#include "tests/main_window_rig.h"
#include "tray/module_sub_class.h"
#include "tray/module_tray_icon.h"

namespace zv::tray {
namespace {

constexpr platform::WindowHandle kWindow = 0x42;

class SubClassTest : public ::testing::Test {
 protected:
  SubClassTest() {
    subClass.RegisterTaskbarCreated();
    subClass.RegisterShowMainWindow();
    subClass.Install(kWindow);
    hooks.savedResult = 77;
  }
  // What the filter did with one message: the action it took, or "saved" when it passed it on.
  std::string Route(std::uint32_t message, std::intptr_t lParam) {
    actions.clear();
    hooks.passedOn.clear();
    const std::intptr_t result = hooks.Deliver(kWindow, message, 0x1234, lParam);
    if (hooks.passedOn.empty()) return actions + " -> " + std::to_string(result);
    const headless::HeadlessWindowHooks::Message expected{
        headless::HeadlessWindowHooks::OwnProcedure(kWindow), kWindow, message, 0x1234, lParam};
    EXPECT_EQ(hooks.passedOn.size(), 1u);
    EXPECT_EQ(hooks.passedOn.front(), expected) << "passed on changed";
    return actions + "saved -> " + std::to_string(result);
  }

  headless::HeadlessWindowHooks hooks;
  platform::FakeWindowMessages windows;
  std::string actions;
  ModuleSubClass subClass{hooks, windows,
                          TrayActions{.restoreMainWindow = [this] { actions += "restore"; },
                                      .showTrayMenu = [this] { actions += "menu"; },
                                      .addTrayIcon = [this] { actions += "add icon"; }}};
};

TEST_F(SubClassTest, TheIconsTwoActionsTheShellsRestartAndASecondStart) {
  const std::uint32_t taskbarCreated = windows.RegisterMessage("TaskbarCreated");
  const std::uint32_t showMainWindow = windows.RegisterMessage(platform::kShowMainWindowMessageName);
  EXPECT_EQ(subClass.TaskbarCreatedMessage(), taskbarCreated);
  EXPECT_EQ(subClass.ShowMainWindowMessage(), showMainWindow);
  EXPECT_NE(showMainWindow, taskbarCreated);
  EXPECT_EQ(subClass.PrevWindowProc(), headless::HeadlessWindowHooks::OwnProcedure(kWindow));
  struct Case {
    std::uint32_t message;
    std::intptr_t lParam;
    const char* expected;
  };
  const Case cases[] = {
      {kTrayCallbackMessage, kWmLButtonDblClk, "restore -> 0"},
      {kTrayCallbackMessage, kWmRButtonDown, "menu -> 0"},
      {taskbarCreated, 0, "add icon -> 0"},
      {taskbarCreated, kWmRButtonDown, "add icon -> 0"},
      {showMainWindow, 0, "restore -> 0"},
      {showMainWindow, kWmRButtonDown, "restore -> 0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Route(c.message, c.lParam), c.expected)
        << std::hex << "message 0x" << c.message << " lParam 0x" << c.lParam;
  }
}

// Mouse moves, single clicks, releases, the middle button, the keyboard's select and anything else.
TEST_F(SubClassTest, EveryOtherNotificationOfTheIconReachesTheSavedProcedure) {
  std::vector<std::intptr_t> others = {0, 0x400, 0x7B, -1};
  for (std::intptr_t mouse = 0x200; mouse <= 0x20E; ++mouse) {
    if (mouse != kWmLButtonDblClk && mouse != kWmRButtonDown) others.push_back(mouse);
  }
  for (std::intptr_t lParam : others) {
    EXPECT_EQ(Route(kTrayCallbackMessage, lParam), "saved -> 77") << std::hex << "lParam 0x" << lParam;
  }
}

TEST_F(SubClassTest, OtherMessagesAreNeverTakenForIconNotifications) {
  const std::uint32_t messages[] = {
      2024,           2026, 0x0400 /* WM_USER */, 0x112 /* WM_SYSCOMMAND */, 0x0201, 0x0000 /* WM_NULL */,
      0x7E9 + 0x10000};
  for (std::uint32_t message : messages) {
    for (std::intptr_t lParam : {std::intptr_t{kWmLButtonDblClk}, std::intptr_t{kWmRButtonDown}}) {
      EXPECT_EQ(Route(message, lParam), "saved -> 77") << std::hex << "message 0x" << message;
    }
  }
}

TEST(SubClassRegistrationTest, AFailedRegistrationTakesNoMessageForTheBroadcast) {
  headless::HeadlessWindowHooks hooks;
  platform::FakeWindowMessages windows;
  int added = 0;
  ModuleSubClass subClass(hooks, windows, TrayActions{.addTrayIcon = [&] { ++added; }});
  subClass.Install(kWindow);  // never registered: the number stays 0
  hooks.Deliver(kWindow, 0, 0, 0);
  EXPECT_EQ(added, 0);
  EXPECT_EQ(hooks.passedOn.size(), 1u);
}

TEST(SubClassRegistrationTest, UninstallGivesTheSavedProcedureBackOnceAndTheDestructorDoesTheSame) {
  headless::HeadlessWindowHooks hooks;
  platform::FakeWindowMessages windows;
  int restores = 0;
  hooks.onRestore = [&] { ++restores; };
  {
    ModuleSubClass subClass(hooks, windows, {});
    subClass.Install(kWindow);
    EXPECT_NE(hooks.Current(kWindow), headless::HeadlessWindowHooks::OwnProcedure(kWindow));
    subClass.Uninstall();
    EXPECT_EQ(hooks.Current(kWindow), headless::HeadlessWindowHooks::OwnProcedure(kWindow));
    EXPECT_FALSE(hooks.IsHooked(kWindow));
    subClass.Uninstall();
    subClass.Install(kWindow);
  }
  EXPECT_EQ(restores, 2);
  EXPECT_EQ(hooks.Current(kWindow), headless::HeadlessWindowHooks::OwnProcedure(kWindow));
}

// The same filter on the loaded main window.
class TrayRoutingTest : public ::testing::Test, protected zv::testing::MainWindowRig {
 protected:
  forms::Form& form() { return window.GetForm(); }
  std::intptr_t Deliver(std::uint32_t message, std::intptr_t lParam) {
    return host.hooks.Deliver(form().Handle(), message, 0, lParam);
  }
  // WM_SYSCOMMAND with SC_RESTORE sent to the main window.
  int RestoreCommands() {
    return static_cast<int>(
        std::count(windows.sent.begin(), windows.sent.end(),
                   platform::FakeWindowMessages::Message{form().Handle(), 0x112, 0xF120, 0}));
  }
};

TEST_F(TrayRoutingTest, StartUpRegistersTheBroadcastAddsTheIconAndHooksTheWindow) {
  Load();
  EXPECT_NE(std::find(windows.calls.begin(), windows.calls.end(), "RegisterMessage TaskbarCreated"),
            windows.calls.end());
  EXPECT_TRUE(notifyIcons.IsShown(form().Handle(), 0));
  EXPECT_TRUE(host.hooks.IsHooked(form().Handle()));
  ASSERT_NE(window.SubClass(), nullptr);
  EXPECT_EQ(window.SubClass()->PrevWindowProc(),
            headless::HeadlessWindowHooks::OwnProcedure(form().Handle()));
}

TEST_F(TrayRoutingTest, DoubleClickOnTheIconShowsAHiddenWindowOnItsCurrentPage) {
  Load();
  window.ImageRecords_Click(0);
  form().Hide();
  EXPECT_EQ(Deliver(kTrayCallbackMessage, kWmLButtonDblClk), 0);
  EXPECT_TRUE(form().Visible());
  EXPECT_EQ(host.backend.PeerOf(form())->activations, 2);  // start-up, then the double-click
  EXPECT_EQ(RestoreCommands(), 1);
  EXPECT_TRUE(form().Find("PictureRecords")->Visible());
  // A single click, a release, a move: nothing.
  form().Hide();
  for (std::intptr_t lParam : {0x201, 0x202, 0x200, 0x205}) Deliver(kTrayCallbackMessage, lParam);
  EXPECT_FALSE(form().Visible());
  EXPECT_EQ(RestoreCommands(), 1);
}

TEST_F(TrayRoutingTest, TheShellsRestartBringsTheSameIconBackWithOnlyOnePictureAlive) {
  host.app.folder = "C:\\Zorvane";
  notifyIcons.iconFiles.insert("C:\\Zorvane\\vk.ico");
  Load();
  const platform::NotifyIconData first = *notifyIcons.Shown(form().Handle(), 0);
  notifyIcons.RestartShell();
  EXPECT_FALSE(notifyIcons.IsShown(form().Handle(), 0));
  EXPECT_EQ(Deliver(window.SubClass()->TaskbarCreatedMessage(), 0), 0);
  const platform::NotifyIconData* again = notifyIcons.Shown(form().Handle(), 0);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->tip, first.tip);
  EXPECT_EQ(again->callbackMessage, first.callbackMessage);
  EXPECT_TRUE(notifyIcons.IsLive(again->icon));
  EXPECT_EQ(notifyIcons.LiveIcons(), 1);
  EXPECT_EQ(notifyIcons.loadRequests.size(), 2u);
}

}  // namespace
}  // namespace zv::tray
