// The free-memory command, the records log and the automatic release of the main window.
#include "mainwindow/form_velkan.h"

namespace zv::mainwindow {

// Enabling the debug privilege lets the release pass reach other accounts' processes.
void FormVelkan::EnableDebugPrivilege() {}

void FormVelkan::DoAllMiniUseMemory() {}

}  // namespace zv::mainwindow
