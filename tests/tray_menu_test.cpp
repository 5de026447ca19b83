// The tray menu: its items, the hidden form that owns it, and the commands chosen in it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "forms/velkan_definition.h"
#include "tests/main_window_rig.h"
#include "tray/module_sub_class.h"
#include "tray/module_tray_icon.h"

namespace zv::mainwindow {
namespace {

class TrayMenuTest : public ::testing::Test, protected zv::testing::MainWindowRig {
 protected:
  TrayMenuTest() { Load(); }
  forms::Form& form() { return window.GetForm(); }
  forms::Form& menuForm() { return window.MenuFormIfCreated()->GetForm(); }
  void Choose(std::string item) {
    host.menus.choice = std::move(item);
    window.ShowTrayMenu();
  }
  std::string Title() { return static_cast<forms::Label*>(form().Find("LabelState"))->Caption(); }
  std::string VisiblePage() {
    for (const char* name : {"PictureState", "PictureRecords", "PictureSettings", "PictureAbout"}) {
      if (form().Find(name)->Visible()) return name;
    }
    return "none";
  }
  int RestoreCommands() {
    return static_cast<int>(
        std::count(windows.sent.begin(), windows.sent.end(),
                   platform::FakeWindowMessages::Message{form().Handle(), 0x112, 0xF120, 0}));
  }
};

TEST_F(TrayMenuTest, TheMenuPopsUpFromTheHiddenFormAfterMakingItTheForegroundWindow) {
  std::string lastCallWhileOpen;
  host.menus.whileOpen = [&] { lastCallWhileOpen = windows.calls.back(); };
  window.ShowTrayMenu();
  ASSERT_EQ(host.menus.History().size(), 1u);
  const auto& shown = host.menus.History().front();
  EXPECT_EQ(shown.menu, "m_Menu");
  EXPECT_EQ(shown.items,
            (std::vector<std::string>{"官方网站", "-", "状态", "设置", "记录", "关于", "-", "退出\tCtrl+X"}));
  EXPECT_NE(shown.owner, 0u);
  EXPECT_EQ(shown.owner, menuForm().Handle());
  EXPECT_EQ(lastCallWhileOpen, "SetForeground " + std::to_string(menuForm().Handle()));
  EXPECT_EQ(menuForm().Caption(), "Menu");
  EXPECT_EQ(menuForm().ClientSize(), (Size{233, 10}));
  EXPECT_EQ(menuForm().Border(), forms::FormBorder::FixedSingle);
  EXPECT_FALSE(menuForm().Visible());
  EXPECT_EQ(host.backend.PeerOf(menuForm())->activations, 0);
}

TEST_F(TrayMenuTest, ARightPressOnTheIconOpensTheMenuAndItsReleaseDoesNot) {
  host.hooks.Deliver(form().Handle(), tray::kTrayCallbackMessage, 0, tray::kWmRButtonDown);
  host.hooks.Deliver(form().Handle(), tray::kTrayCallbackMessage, 0, 0x205);
  EXPECT_EQ(host.menus.History().size(), 1u);
}

// Each page command shows a hidden main window, restores it and selects its page, from any page.
TEST_F(TrayMenuTest, PageCommandsRestoreTheWindowAndSelectThePage) {
  struct Case {
    const char* item;
    const char* page;
    const char* title;
    const char* navigation;
  };
  const Case cases[] = {{"m_Log", "PictureRecords", "内存释放记录", "ImageRecords"},
                        {"m_State", "PictureState", "系统内存使用状态", "ImageStatus"},
                        {"m_Setting", "PictureSettings", "软件设置", "ImageSettings"},
                        {"m_About", "PictureAbout", "关于软件", "ImageAbout"}};
  window.ImageSettings_Click(0);
  int restores = RestoreCommands();
  for (const Case& c : cases) {
    form().Hide();
    Choose(c.item);
    EXPECT_TRUE(form().Visible()) << c.item;
    EXPECT_EQ(RestoreCommands(), ++restores) << c.item;
    EXPECT_EQ(VisiblePage(), c.page) << c.item;
    EXPECT_EQ(Title(), c.title) << c.item;
    EXPECT_TRUE(form().Find(c.navigation, 0)->Visible()) << c.item;
    EXPECT_FALSE(form().Find(c.navigation, 1)->Visible()) << c.item;
  }
}

TEST_F(TrayMenuTest, DismissingTheMenuOrPickingASeparatorRunsNothing) {
  window.ImageRecords_Click(0);
  form().Hide();
  const std::size_t sent = windows.sent.size();
  for (const char* choice : {"", "s1", "s2", "m_Menu"}) Choose(choice);
  EXPECT_EQ(host.menus.History().size(), 4u);
  EXPECT_FALSE(form().Visible());
  EXPECT_EQ(windows.sent.size(), sent);
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_FALSE(host.loop.QuitRequested());
  EXPECT_EQ(VisiblePage(), "PictureRecords");
}

TEST_F(TrayMenuTest, TheHomePageOpensWithTheMenuFormAsOwner) {
  Choose("m_HomePage");
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests.front(),
            (platform::FakeShellExecutor::Request{menuForm().Handle(), "open",
                                                  std::string(definitions::kHomePageAddress)}));
  EXPECT_EQ(RestoreCommands(), 0);
}

// A second request while the menu is open (a right press on the icon reaching the window from the
// menu's own loop) opens no second menu.
TEST_F(TrayMenuTest, TheMenuDoesNotOpenInsideItself) {
  host.menus.whileOpen = [&] {
    host.menus.choice = "m_Log";
    window.ShowTrayMenu();
  };
  window.ShowTrayMenu();
  EXPECT_EQ(host.menus.History().size(), 1u);
  Choose("m_Log");
  EXPECT_EQ(VisiblePage(), "PictureRecords");
}

}  // namespace
}  // namespace zv::mainwindow
