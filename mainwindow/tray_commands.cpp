// The main window's side of the tray: the icon, the window-procedure hook and the mini window.
#include "mainwindow/form_velkan.h"

namespace zv::mainwindow {

// The mini status window shows the load percentage.
void FormVelkan::ShowMiniWindow() {}

// Tray icon, "TaskbarCreated" and the window-procedure hook.
void FormVelkan::InstallTrayIcon() {}

}  // namespace zv::mainwindow
