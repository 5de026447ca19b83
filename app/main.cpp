// Zorvane's entry point: one copy per session; it wires the Win32 platform to the main window and runs
// the message loop.
#include "mainwindow/form_velkan.h"
#include "mainwindow/single_instance.h"
#include "platform/win32/dpi_awareness_win32.h"
#include "platform/win32/forms/forms_backend_win32.h"
#include "platform/win32/forms/popup_menu_win32.h"
#include "platform/win32/forms/runtime_win32.h"
#include "platform/win32/forms/window_hooks_win32.h"
#include "platform/win32/instance_guard_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/memory_status_win32.h"
#include "platform/win32/notify_icon_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/profile_file_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/system_counters_win32.h"
#include "platform/win32/token_privileges_win32.h"
#include "platform/win32/window_messages_win32.h"

namespace {

int RunProgram(HINSTANCE instance, zv::platform::Win32WindowMessages& windows) {
  using namespace zv::platform;
  // Before the first window: the windows are laid out at the screen's dpi instead of stretched.
  DeclareDpiAwareness();

  Win32TimerService timers(instance);
  Win32MessageBoxes messages;
  Win32EventLoop loop;
  Win32Application application;
  ResourcePictures pictures(instance);
  Win32SystemColors colors;
  Win32PopupMenus menus;
  Win32WindowProcedureHooks hooks;
  zv::forms::Runtime runtime{nullptr,   &timers, &messages, &loop, &application,
                             &pictures, &colors, &menus,    &hooks};
  Win32FormsBackend backend(instance, runtime);
  runtime.backend = &backend;
  MemoryDcHandle measureDc(CreateCompatibleDC(nullptr));
  GdiTextRenderer measure(measureDc.get(), backend.Resources());
  runtime.text = &measure;

  Win32MemoryStatus memory;
  Win32RegionalSettings regional;
  Win32ShellExecutor shell;
  Win32ProcessList processes;
  Win32TokenPrivileges privileges;
  Win32ProfileFile profile;
  Win32Registry registry;
  Win32NotifyIcons notifyIcons;
  Win32SystemCounters counters;
  zv::mainwindow::FormVelkan mainWindow(runtime, {memory, regional, shell, windows, processes, privileges,
                                                  profile, registry, notifyIcons, counters});
  backend.Load(mainWindow.GetForm());
  return loop.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Before anything else: a later start must not touch the settings, the registry or the tray.
  zv::platform::Win32InstanceGuard guard;
  zv::platform::Win32WindowMessages windows;
  return zv::mainwindow::RunSingleInstance(guard, windows, [&] { return RunProgram(instance, windows); });
}
