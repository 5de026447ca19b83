// The main window: start-up, the four pages and their navigation, the skinned chrome
// (dragging, minimise and close images), the home-page links and the memory refresh.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cpumonitor/cpu_monitor.h"
#include "cpumonitor/cpu_monitor_support.h"
#include "memory/memory_state.h"
#include "platform/forms/controls.h"
#include "platform/forms/definition.h"
#include "platform/forms/form.h"
#include "platform/forms/run_mode_host.h"
#include "platform/locale.h"
#include "platform/memory_status.h"
#include "platform/notify_icon.h"
#include "platform/processes.h"
#include "platform/profile_file.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_counters.h"
#include "platform/token_privileges.h"
#include "platform/window_messages.h"
#include "tray/form_menu.h"
#include "tray/form_tip.h"
#include "tray/module_sub_class.h"
#include "tray/module_tray_icon.h"

namespace zv::mainwindow {

// The operating-system services the main window uses.
struct MainWindowServices {
  platform::MemoryStatusSource& memory;
  platform::RegionalSettings& regional;
  platform::ShellExecutor& shell;
  platform::WindowMessages& windows;
  platform::ProcessList& processes;
  platform::TokenPrivileges& privileges;
  platform::ProfileFile& profile;
  platform::Registry& registry;
  platform::NotifyIcons& notifyIcons;
  platform::SystemCounters& counters;
};

class FormVelkan {
 public:
  FormVelkan(forms::Runtime& runtime, MainWindowServices services);
  ~FormVelkan();
  FormVelkan(const FormVelkan&) = delete;
  FormVelkan& operator=(const FormVelkan&) = delete;

  forms::Form& GetForm() { return form_; }

  // The start-up sequence; runs when the window is loaded.
  void Form_Load();
  void TimerGetMemoryState_Timer();

  // Page commands: public, also used by the tray menu. The index is ignored.
  void ImageStatus_Click(int index);
  void ImageRecords_Click(int index);
  void ImageSettings_Click(int index);
  void ImageAbout_Click(int index);
  void LabelState_Click();
  void LabelSettings2_Click();

  // Ctrl+Tab and Ctrl+Shift+Tab go to the next and the previous page in the navigation's order, round
  // and round; Esc does what the minimise image does. True for a key it took.
  bool Form_KeyPreview(int keyCode, int shift);
  void Form_MouseDown(int button, int shift, float x, float y);
  void Form_MouseMove(int button, int shift, float x, float y);
  void ImageMin_MouseMove(int index, int button, int shift, float x, float y);
  void ImageMin_MouseDown(int index, int button, int shift, float x, float y);
  void ImageMin_MouseUp(int index, int button, int shift, float x, float y);
  void ImageExit_MouseMove(int index, int button, int shift, float x, float y);
  void ImageExit_MouseDown(int index, int button, int shift, float x, float y);
  void ImageExit_MouseUp(int index, int button, int shift, float x, float y);
  void LabelHomePage_Click();
  void LabelHomePage2_Click();
  void LabelHomePage_MouseMove(int button, int shift, float x, float y);
  void LabelHomePage2_MouseMove(int button, int shift, float x, float y);
  void PictureAbout_MouseMove(int button, int shift, float x, float y);

  // The Windows session ends: the windows go and the message loop ends.
  void EndProgram();

  std::int32_t AutoFreeTicks() const { return autoFreeTicks_; }

  // Free-memory command, records and automatic release (free_memory.cpp).
  // One release pass over every process, yielding to the event loop before and after each.
  void DoAllMiniUseMemory();
  void CommandFreeMemory_Click();
  // One automatic release: the same as the command without its message box.
  void AutoFreeMemory();
  void TimerAutoFreeMemory_Timer();
  // The text of a release's result line, e.g. "释放内存成功， 57 MB 内存已释放。".
  static std::string ReleaseMessage(std::int32_t megabytes);

  // Settings page (settings_page.cpp).
  // Loads the page from config.ini; also the settings load of start-up.
  void CommandCancel_Click();
  // Applies the page and saves it to config.ini.
  void CommandOK_Click();
  // The mini-window box saves its value at once; the automatic-release box enables the interval list.
  void CheckShowMiniWindow_Click();
  void CheckAutoFreeMemory_Click();

  // Tray icon, tray menu and mini window (tray_commands.cpp).
  // Shows and activates the main window and brings it back from the minimised state.
  void RestoreMainWindow();
  // Pops the tray menu up at the cursor; returns when the menu closed and its command ran.
  void ShowTrayMenu();
  // The tray menu's exit command: removes the icon, gives the window its own procedure back,
  // unloads this window, the mini window and the menu form, then ends the message loop. Objects
  // stay alive; handlers still running (a release pass, a message box) unwind as the loop quits.
  void ExitProgram();
  // Null until first needed: the icon and the hook at start-up, the windows at first use.
  const tray::ModuleSubClass* SubClass() const { return subClass_.get(); }
  tray::FormTip* MiniWindowIfCreated() const { return formTip_.get(); }
  tray::FormMenu* MenuFormIfCreated() const { return formMenu_.get(); }

 private:
  enum class Page { Status, Records, Settings, About };
  using ChromeImages = std::array<forms::Image*, 3>;
  using NavImages = std::array<forms::Image*, 2>;

  void WireEvents();
  [[nodiscard]] bool RunStartupSteps();
  void LayOutChrome();
  [[nodiscard]] bool FillIntervalList();
  void SelectPage(Page page);
  // The pages in the order the navigation shows them, each with its container.
  std::array<std::pair<forms::PictureBox*, Page>, 4> PagesInNavigationOrder() const;
  static void ShowChromeLook(const ChromeImages& images, int look);
  void ChromeMouseUp(const ChromeImages& images);
  void OpenHomePage();
  void ShowUnknownError();

  // Operations of the other subsystems that start-up calls.
  void RefreshCpuMonitor();
  void EnableDebugPrivilege();
  void AddAutorunEntry();
  void RemoveAutorunEntry();
  void ShowMiniWindow();
  void ApplyTaskbarStyle();
  void InstallTrayIcon();

  // Free-memory command, records and automatic release (free_memory.cpp).
  void BindFreeMemoryControls();
  // Release pass between two measurements; false when the drop does not fit 32 bits.
  [[nodiscard]] bool ReleaseAndMeasure(std::int32_t& megabytes);
  void AppendRecord(std::int32_t megabytes);
  static std::int32_t IntervalTicks(const std::string& interval);
  forms::Control* commandFreeMemory_ = nullptr;
  forms::TextBox* textRecords_ = nullptr;

  // Settings page (settings_page.cpp).
  void WireSettingsEvents();
  void HideMiniWindow();
  // False at the first value present but invalid; a missing one leaves its control as it is.
  [[nodiscard]] bool LoadSettings();
  // False when a value could not be written; every value is tried.
  [[nodiscard]] bool SaveSettings();
  // The release timer and its label follow the check box.
  void ApplyAutoFreeSwitch();
  // The four boxes in the order of their keys in the file.
  std::array<forms::CheckBox*, 4> SettingBoxes() const;
  std::string SettingsPath() const;
  std::string ReadSetting(std::string_view key) const;
  [[nodiscard]] bool WriteSetting(std::string_view key, std::string_view value);
  forms::Control* commandOK_ = nullptr;
  forms::Control* commandCancel_ = nullptr;

  // Tray icon, tray menu and mini window (tray_commands.cpp).
  tray::FormTip& MiniWindow();
  tray::FormMenu& MenuForm();
  // Created when first needed, so that nothing of them runs before (the mini window's timer).
  std::unique_ptr<tray::ModuleTrayIcon> trayIcon_;
  std::unique_ptr<tray::ModuleSubClass> subClass_;
  std::unique_ptr<tray::FormTip> formTip_;
  std::unique_ptr<tray::FormMenu> formMenu_;
  bool exiting_ = false;

  // The window's self-drawn controls: made while its definition is built, alive as long as it.
  forms::HostedControl* CreateHostedControl(const forms::ControlDefinition& definition,
                                            forms::Container& parent);

  forms::Runtime& runtime_;  // handed on to the windows this one opens
  forms::Application& app_;
  forms::EventLoop& loop_;
  forms::MessageBoxService& messages_;
  forms::WindowProcedureHooks& hooks_;
  MainWindowServices services_;
  forms::RunModeHost controlHost_;
  // The strip chart's sampling state, one for the process.
  cpumonitor::ModuleCpuMonitorSupport monitorSupport_;
  cpumonitor::CpuMonitor* cpuMonitor_ = nullptr;
  forms::Form form_;
  memory::ModuleGetMemoryStats2018 memoryStats_;
  memory::MemoryLabels memoryLabels_;
  std::int32_t autoFreeTicks_ = 0;

  ChromeImages imageMin_{};
  ChromeImages imageExit_{};
  NavImages imageStatus_{};
  NavImages imageRecords_{};
  NavImages imageSettings_{};
  NavImages imageAbout_{};
  forms::PictureBox* pictureState_ = nullptr;
  forms::PictureBox* pictureRecords_ = nullptr;
  forms::PictureBox* pictureSettings_ = nullptr;
  forms::PictureBox* pictureAbout_ = nullptr;
  forms::Label* labelState_ = nullptr;
  forms::Label* labelSettings2_ = nullptr;
  forms::Label* labelHomePage_ = nullptr;
  forms::Label* labelHomePage2_ = nullptr;
  forms::Label* labelAutoFreeMemory_ = nullptr;
  forms::CheckBox* checkAutorun_ = nullptr;
  forms::CheckBox* checkAutoMin_ = nullptr;
  forms::CheckBox* checkShowMiniWindow_ = nullptr;
  forms::CheckBox* checkAutoFreeMemory_ = nullptr;
  forms::ComboBox* comboInterval_ = nullptr;
  forms::Timer* timerGetMemoryState_ = nullptr;
  forms::Timer* timerAutoFreeMemory_ = nullptr;
};

}  // namespace zv::mainwindow
