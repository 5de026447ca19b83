// FormMenu: a window that is never shown; it owns the tray menu and gives it a window handle.
#pragma once

#include <functional>

#include "platform/forms/form.h"
#include "platform/forms/menu.h"
#include "platform/shell.h"
#include "platform/window_messages.h"

namespace zv::tray {

// What the menu's commands do to the main window.
struct MenuCommands {
  std::function<void()> restoreMainWindow;
  std::function<void(int)> imageStatusClick;
  std::function<void(int)> imageSettingsClick;
  std::function<void(int)> imageRecordsClick;
  std::function<void(int)> imageAboutClick;
  std::function<void()> exitProgram;
};

class FormMenu {
 public:
  FormMenu(forms::Runtime& runtime, platform::ShellExecutor& shell, platform::WindowMessages& windows,
           MenuCommands commands);
  FormMenu(const FormMenu&) = delete;
  FormMenu& operator=(const FormMenu&) = delete;

  forms::Form& GetForm() { return form_; }

  // Loads the form (never showing it), makes it the foreground window so that the menu closes when
  // the user clicks elsewhere, then pops m_Menu up at the cursor. Returns once the chosen command
  // ran. A request while the menu is already open is ignored.
  void PopUpTrayMenu();
  // Nothing happens for a form never loaded.
  void Unload();

  void m_HomePage_Click();
  void m_State_Click();
  void m_Setting_Click();
  void m_Log_Click();
  void m_About_Click();
  void m_Exit_Click();

 private:
  void WireItem(std::string_view name, void (FormMenu::*handler)());
  void ShowPage(const std::function<void(int)>& pageCommand);

  forms::FormsBackend& backend_;
  forms::PopupMenuService& menus_;
  platform::ShellExecutor& shell_;
  platform::WindowMessages& windows_;
  MenuCommands commands_;
  forms::Form form_;
  forms::Menu menu_;
  bool open_ = false;
};

}  // namespace zv::tray
