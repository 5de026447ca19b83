// The settings page: loading it from config.ini, saving and applying it, and the two boxes that act
// at once; the start-with-Windows entry follows the page.
#include <array>
#include <optional>
#include <string>

#include "mainwindow/control_lookup.h"
#include "mainwindow/form_velkan.h"
#include "memory/autorun.h"
#include "memory/ini_operation.h"
#include "memory/text_to_number.h"

namespace zv::mainwindow {
namespace {

constexpr std::string_view kSection = "VK";
constexpr std::string_view kIntervalKey = "Interval";
constexpr std::string_view kShowMiniWindowKey = "ShowMiniWindow";
// The keys of the four boxes, in the order the page reads and writes them.
constexpr std::array<std::string_view, 4> kBoxKeys = {"Autorun", "Automin", kShowMiniWindowKey,
                                                      "AuroFreeMemory"};

// What the OK handler could not do, in words for the user; empty when everything was done.
std::string SaveFailures(bool saved, const std::string& settingsPath, const memory::AutorunChange& autorun) {
  std::string failures;
  if (!saved) failures = "设置无法保存：无法写入 " + settingsPath + "。";
  if (!autorun.done) {
    if (!failures.empty()) failures += "\n";
    failures += "开机自启动无法更改：无法修改注册表 " + autorun.location + "。";
  }
  return failures;
}

}  // namespace

void FormVelkan::WireSettingsEvents() {
  commandOK_ = RequireControl(form_, "CommandOK");
  commandCancel_ = RequireControl(form_, "CommandCancel");
  commandOK_->onClick = [this] { CommandOK_Click(); };
  commandCancel_->onClick = [this] { CommandCancel_Click(); };
  checkShowMiniWindow_->onClick = [this] { CheckShowMiniWindow_Click(); };
  checkAutoFreeMemory_->onClick = [this] { CheckAutoFreeMemory_Click(); };
}

// Rebuilt at every use: the folder is the platform's answer at that moment.
std::string FormVelkan::SettingsPath() const { return memory::SettingsFilePath(app_.Folder()); }

std::string FormVelkan::ReadSetting(std::string_view key) const {
  return memory::ReadIniValue(services_.profile, SettingsPath(), kSection, key);
}

bool FormVelkan::WriteSetting(std::string_view key, std::string_view value) {
  return memory::WriteIniValue(services_.profile, SettingsPath(), kSection, key, value);
}

void FormVelkan::CommandCancel_Click() {
  if (!LoadSettings()) ShowUnknownError();
}

std::array<forms::CheckBox*, 4> FormVelkan::SettingBoxes() const {
  return {checkAutorun_, checkAutoMin_, checkShowMiniWindow_, checkAutoFreeMemory_};
}

// A change of a box's value raises its click handler, as a click of the user would.
bool FormVelkan::LoadSettings() {
  const std::array<forms::CheckBox*, 4> boxes = SettingBoxes();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const std::string text = ReadSetting(kBoxKeys[i]);
    if (text.empty()) continue;
    const std::optional<std::int32_t> value = memory::TextToWholeNumber(text);
    if (!value || !boxes[i]->SetValue(*value)) return false;
  }
  const std::string interval = ReadSetting(kIntervalKey);
  return interval.empty() || comboInterval_->SetText(interval);
}

void FormVelkan::CommandOK_Click() {
  const memory::AutorunChange autorun = checkAutorun_->Value() == 1
                                            ? memory::AddAutorunEntry(services_.registry, app_)
                                            : memory::RemoveAutorunEntry(services_.registry);
  if (checkShowMiniWindow_->Value() == 1) {
    ShowMiniWindow();
  } else {
    HideMiniWindow();
  }
  ApplyAutoFreeSwitch();
  const bool saved = SaveSettings();
  const std::string failures = SaveFailures(saved, SettingsPath(), autorun);
  if (failures.empty()) {
    messages_.Show("设置已保存。", forms::MessageIcon::Information);
  } else {
    messages_.Show(failures, forms::MessageIcon::None);
  }
}

// The tick count goes on from where it stood, and the interval list keeps its state.
void FormVelkan::ApplyAutoFreeSwitch() {
  const bool on = checkAutoFreeMemory_->Value() == 1;
  timerAutoFreeMemory_->SetEnabled(on);
  labelAutoFreeMemory_->SetCaption(on ? "已启用" : "未启用");
}

bool FormVelkan::SaveSettings() {
  const std::array<forms::CheckBox*, 4> boxes = SettingBoxes();
  bool saved = true;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    saved = WriteSetting(kBoxKeys[i], std::to_string(boxes[i]->Value())) && saved;
  }
  return WriteSetting(kIntervalKey, comboInterval_->Text()) && saved;
}

// The value is stored at once; the mini window itself follows only on OK. A failed write is not
// reported here: OK writes the value again and reports it.
void FormVelkan::CheckShowMiniWindow_Click() {
  (void)WriteSetting(kShowMiniWindowKey, std::to_string(checkShowMiniWindow_->Value()));
}

// Only the list follows at once; the timer changes on OK.
void FormVelkan::CheckAutoFreeMemory_Click() {
  comboInterval_->SetEnabled(checkAutoFreeMemory_->Value() == 1);
}

// Hiding loads the mini window if it was never shown (placing it), and keeps it invisible.
void FormVelkan::HideMiniWindow() {
  if (!exiting_) MiniWindow().Hide();
}

// At start-up the entry is brought in line with the page without a word: a refusal shows on OK.
void FormVelkan::AddAutorunEntry() { (void)memory::AddAutorunEntry(services_.registry, app_); }
void FormVelkan::RemoveAutorunEntry() { (void)memory::RemoveAutorunEntry(services_.registry); }

}  // namespace zv::mainwindow
