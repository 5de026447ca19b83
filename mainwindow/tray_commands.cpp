// The main window's side of the tray: the icon and the window-procedure hook, the tray menu and its
// commands, the mini window and the exit sequence.
#include "mainwindow/form_velkan.h"

namespace zv::mainwindow {
namespace {

constexpr std::uint32_t kWmSysCommand = 0x112;
constexpr std::uintptr_t kScRestore = 0xF120;

}  // namespace

tray::FormTip& FormVelkan::MiniWindow() {
  if (!formTip_) {
    formTip_ = std::make_unique<tray::FormTip>(runtime_, services_.windows, *memoryLabels_.usedPercent,
                                               tray::TipActions{.showTrayMenu = [this] { ShowTrayMenu(); },
                                                                .showMainWindow = [this] { form_.Show(); }});
  }
  return *formTip_;
}

tray::FormMenu& FormVelkan::MenuForm() {
  if (!formMenu_) {
    formMenu_ = std::make_unique<tray::FormMenu>(
        runtime_, services_.shell, services_.windows,
        tray::MenuCommands{.restoreMainWindow = [this] { RestoreMainWindow(); },
                           .imageStatusClick = [this](int index) { ImageStatus_Click(index); },
                           .imageSettingsClick = [this](int index) { ImageSettings_Click(index); },
                           .imageRecordsClick = [this](int index) { ImageRecords_Click(index); },
                           .imageAboutClick = [this](int index) { ImageAbout_Click(index); },
                           .exitProgram = [this] { ExitProgram(); }});
  }
  return *formMenu_;
}

void FormVelkan::ShowMiniWindow() {
  if (!exiting_) MiniWindow().Show();
}

// At the end of start-up: "TaskbarCreated" and the show message are registered, the icon added, then the
// hook put in front of the window's procedure.
void FormVelkan::InstallTrayIcon() {
  if (trayIcon_) return;
  trayIcon_ = std::make_unique<tray::ModuleTrayIcon>(services_.notifyIcons, app_);
  subClass_ = std::make_unique<tray::ModuleSubClass>(
      hooks_, services_.windows,
      tray::TrayActions{.restoreMainWindow = [this] { RestoreMainWindow(); },
                        .showTrayMenu = [this] { ShowTrayMenu(); },
                        .addTrayIcon = [this] { trayIcon_->AddTrayIcon(form_.Handle()); }});
  subClass_->RegisterTaskbarCreated();
  subClass_->RegisterShowMainWindow();
  trayIcon_->AddTrayIcon(form_.Handle());
  subClass_->Install(form_.Handle());
}

void FormVelkan::RestoreMainWindow() {
  form_.Show();
  services_.windows.Send(form_.Handle(), kWmSysCommand, kScRestore, 0);
}

void FormVelkan::ShowTrayMenu() {
  if (!exiting_) MenuForm().PopUpTrayMenu();
}

void FormVelkan::ExitProgram() {
  if (exiting_) return;
  exiting_ = true;
  if (trayIcon_) trayIcon_->RemoveTrayIcon();
  if (subClass_) subClass_->Uninstall();
  form_.Unload();
  if (formTip_) formTip_->Unload();
  if (formMenu_) formMenu_->Unload();
  loop_.Quit();
}

}  // namespace zv::mainwindow
