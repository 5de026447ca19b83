// The tray menu's form: popping the menu up and the commands of its items.
#include "tray/form_menu.h"

#include <cstdlib>

#include "forms/menu_definition.h"
#include "forms/velkan_definition.h"

namespace zv::tray {

FormMenu::FormMenu(forms::Runtime& runtime, platform::ShellExecutor& shell, platform::WindowMessages& windows,
                   MenuCommands commands)
    : backend_(forms::Required(runtime.backend)),
      menus_(forms::Required(runtime.menus)),
      shell_(shell),
      windows_(windows),
      commands_(std::move(commands)),
      form_(runtime, "FormMenu"),
      menu_(definitions::TrayMenuDefinition()) {
  if (!forms::BuildForm(definitions::FormMenuDefinition(), form_)) std::abort();
  // A close request would have nothing to close: the form is never shown.
  form_.onCloseRequest = [] {};
  WireItem("m_HomePage", &FormMenu::m_HomePage_Click);
  WireItem("m_State", &FormMenu::m_State_Click);
  WireItem("m_Setting", &FormMenu::m_Setting_Click);
  WireItem("m_Log", &FormMenu::m_Log_Click);
  WireItem("m_About", &FormMenu::m_About_Click);
  WireItem("m_Exit", &FormMenu::m_Exit_Click);
}

void FormMenu::WireItem(std::string_view name, void (FormMenu::*handler)()) {
  forms::MenuItem* item = menu_.Find(name);
  // The definition is fixed data; a missing item is a defect of the build.
  if (item == nullptr) std::abort();
  item->onClick = [this, handler] { (this->*handler)(); };
}

void FormMenu::PopUpTrayMenu() {
  if (open_ || form_.Unloaded()) return;
  if (!form_.Loaded()) backend_.Load(form_);
  (void)windows_.SetForeground(form_.Handle());
  open_ = true;
  menu_.Popup(menus_, form_.Handle());
  open_ = false;
}

void FormMenu::Unload() {
  if (form_.Loaded()) form_.Unload();
}

void FormMenu::m_HomePage_Click() {
  (void)shell_.Execute(form_.Handle(), "open", definitions::kHomePageAddress);
}

void FormMenu::ShowPage(const std::function<void(int)>& pageCommand) {
  if (commands_.restoreMainWindow) commands_.restoreMainWindow();
  if (pageCommand) pageCommand(0);
}

void FormMenu::m_State_Click() { ShowPage(commands_.imageStatusClick); }
void FormMenu::m_Setting_Click() { ShowPage(commands_.imageSettingsClick); }
void FormMenu::m_Log_Click() { ShowPage(commands_.imageRecordsClick); }
void FormMenu::m_About_Click() { ShowPage(commands_.imageAboutClick); }

void FormMenu::m_Exit_Click() {
  if (commands_.exitProgram) commands_.exitProgram();
}

}  // namespace zv::tray
