// The notification-area icon: its record, its picture file, and that no picture and no icon outlive it.
#include <gtest/gtest.h>

#include "platform/fake/fake_notify_icons.h"
#include "platform/headless/headless_runtime.h"
#include "tray/module_tray_icon.h"

namespace zv::tray {
namespace {

constexpr platform::WindowHandle kWindow = 0x42;

class TrayIconTest : public ::testing::Test {
 protected:
  headless::FixedApplication app;
  platform::FakeNotifyIcons icons;
};

TEST_F(TrayIconTest, TheRecordCarriesTheWindowTheCallbackTheTipAndTheLoadedPicture) {
  app.folder = "D:\\Tools\\Zorvane";
  icons.iconFiles.insert("D:\\Tools\\Zorvane\\vk.ico");
  ModuleTrayIcon tray(icons, app);
  tray.AddTrayIcon(kWindow);
  ASSERT_EQ(icons.loadRequests, std::vector<std::string>{"D:\\Tools\\Zorvane\\vk.ico"});
  const platform::NotifyIconData* shown = icons.Shown(kWindow, 0);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->flags, 7u);
  EXPECT_EQ(shown->callbackMessage, 2025u);
  EXPECT_EQ(shown->tip, "Zorvane");
  EXPECT_TRUE(icons.IsLive(shown->icon));
  EXPECT_EQ(*shown, tray.TrayIconData());
}

TEST_F(TrayIconTest, AtADriveRootThePathHasOneSeparator) {
  app.folder = "C:\\";
  ModuleTrayIcon tray(icons, app);
  EXPECT_EQ(tray.IconPath(), "C:\\vk.ico");
}

TEST_F(TrayIconTest, AMissingFileStillAddsTheIconWithNoPicture) {
  ModuleTrayIcon tray(icons, app);
  tray.AddTrayIcon(kWindow);
  const platform::NotifyIconData* shown = icons.Shown(kWindow, 0);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->icon, 0u);
  EXPECT_EQ(shown->tip, "Zorvane");
}

// Each re-add after a shell restart loads the file anew; the picture it replaces is destroyed.
TEST_F(TrayIconTest, RepeatedAddsKeepOnePictureAndRemovingReleasesIt) {
  icons.iconFiles.insert(app.folder + "\\vk.ico");
  ModuleTrayIcon tray(icons, app);
  for (int restart = 0; restart < 5; ++restart) {
    icons.RestartShell();
    tray.AddTrayIcon(kWindow);
    EXPECT_EQ(icons.LiveIcons(), 1);
    EXPECT_TRUE(icons.IsLive(icons.Shown(kWindow, 0)->icon));
  }
  tray.RemoveTrayIcon();
  EXPECT_FALSE(icons.IsShown(kWindow, 0));
  EXPECT_EQ(icons.calls.back().op, platform::FakeNotifyIcons::Op::kDelete);
  EXPECT_EQ(icons.calls.back().data, tray.TrayIconData());
  EXPECT_EQ(icons.LiveIcons(), 0);
}

TEST_F(TrayIconTest, AnIconStillShownLeavesWithItsOwnerAndARemovedOneIsNotDeletedTwice) {
  {
    ModuleTrayIcon tray(icons, app);
    tray.AddTrayIcon(kWindow);
  }
  EXPECT_FALSE(icons.IsShown(kWindow, 0));
  {
    ModuleTrayIcon tray(icons, app);
    tray.AddTrayIcon(kWindow);
    tray.RemoveTrayIcon();
    tray.RemoveTrayIcon();
  }
  int deletes = 0;
  for (const auto& call : icons.calls) deletes += call.op == platform::FakeNotifyIcons::Op::kDelete;
  EXPECT_EQ(deletes, 2);
}

}  // namespace
}  // namespace zv::tray
