// The main window: start-up, the four pages and their navigation, the skinned chrome
// (dragging, minimise and close images), the home-page links and the memory refresh.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "memory/memory_state.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/locale.h"
#include "platform/memory_status.h"
#include "platform/notify_icon.h"
#include "platform/processes.h"
#include "platform/profile_file.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/token_privileges.h"
#include "platform/window_messages.h"

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
};

class FormVelkan {
 public:
  FormVelkan(forms::Runtime& runtime, MainWindowServices services);
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
  void CommandCancel_Click();

  // Tray icon, tray menu and mini window (tray_commands.cpp).

 private:
  enum class Page { Status, Records, Settings, About };
  using ChromeImages = std::array<forms::Image*, 3>;
  using NavImages = std::array<forms::Image*, 2>;

  void WireEvents();
  [[nodiscard]] bool RunStartupSteps();
  void LayOutChrome();
  [[nodiscard]] bool FillIntervalList();
  void ApplyAutoFreeSetting();
  void SelectPage(Page page);
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
  forms::Button* commandFreeMemory_ = nullptr;
  forms::TextBox* textRecords_ = nullptr;

  // Settings page (settings_page.cpp).

  // Tray icon, tray menu and mini window (tray_commands.cpp).

  forms::Runtime& runtime_;
  MainWindowServices services_;
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
