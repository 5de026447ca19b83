// The monitor's saved values: a new instance, reading and writing the property bag.
#include <array>

#include "cpumonitor/cpu_monitor.h"

namespace zv::cpumonitor {

using forms::AsBoolean;
using forms::AsColor;
using forms::AsInteger;
using forms::AsText;

// What a key reads into and writes from. Reading sets the stored value directly: no redraw, no notification.
struct CpuMonitor::SavedKeys {
  struct Key {
    std::string_view name;
    SavedValue defaultValue;
    SavedValue (*written)(const CpuMonitor& monitor);
    bool (*read)(CpuMonitor& monitor, const SavedValue& value);
  };

  template <bool MonitorSettings::*Field>
  static Key Boolean(std::string_view name) {
    return {
        name, true, [](const CpuMonitor& m) -> SavedValue { return m.settings_.*Field; },
        [](CpuMonitor& m, const SavedValue& value) { return Assign(m.settings_.*Field, AsBoolean(value)); }};
  }
  template <Color MonitorSettings::*Field>
  static Key Colour(std::string_view name, Color defaultValue) {
    return {
        name, static_cast<std::int32_t>(defaultValue),
        [](const CpuMonitor& m) -> SavedValue { return static_cast<std::int32_t>(m.settings_.*Field); },
        [](CpuMonitor& m, const SavedValue& value) { return Assign(m.settings_.*Field, AsColor(value)); }};
  }
  template <std::int32_t MonitorSettings::*Field>
  static Key Integer(std::string_view name, std::int32_t defaultValue) {
    return {
        name, defaultValue, [](const CpuMonitor& m) -> SavedValue { return m.settings_.*Field; },
        [](CpuMonitor& m, const SavedValue& value) { return Assign(m.settings_.*Field, AsInteger(value)); }};
  }

  template <typename T, typename U>
  static bool Assign(T& field, const std::optional<U>& value) {
    if (!value) return false;
    field = static_cast<T>(*value);
    return true;
  }
  // Appearance and BorderStyle are saved as 16-bit numbers and read as 32-bit ones.
  static bool AssignStyle(std::int16_t& staged, const SavedValue& value) {
    const std::optional<std::int32_t> number = AsInteger(value);
    if (!number || *number < INT16_MIN || *number > INT16_MAX) return false;
    staged = static_cast<std::int16_t>(*number);
    return true;
  }

  // In the order keys are written.
  static const std::array<Key, 20>& Table() {
    static const std::array<Key, 20> table = {
        Key{"BackColor", std::int32_t{0},
            [](const CpuMonitor& m) -> SavedValue { return static_cast<std::int32_t>(m.surfaceBackColor_); },
            [](CpuMonitor& m, const SavedValue& value) { return Assign(m.backColor_, AsColor(value)); }},
        Key{"Appearance", std::int16_t{1}, [](const CpuMonitor& m) -> SavedValue { return m.appearance_; },
            [](CpuMonitor& m, const SavedValue& value) { return AssignStyle(m.stagedAppearance_, value); }},
        Key{"BorderStyle", std::int16_t{1}, [](const CpuMonitor& m) -> SavedValue { return m.borderStyle_; },
            [](CpuMonitor& m, const SavedValue& value) { return AssignStyle(m.stagedBorderStyle_, value); }},
        Boolean<&MonitorSettings::cpuMonitorDisplayed>("CPUMonitorDisplayed"),
        Boolean<&MonitorSettings::pageFileDisplayed>("PageFileDisplayed"),
        Boolean<&MonitorSettings::virtualMemoryDisplayed>("VirtualMemoryDisplayed"),
        Colour<&MonitorSettings::cpuMonitorColor>("CPUMonitorColor", 0x00FF00),
        Boolean<&MonitorSettings::memoryLoadDisplayed>("MemoryLoadDisplayed"),
        Colour<&MonitorSettings::memoryLoadColor>("MemoryColor", 0x00FFFF),
        Colour<&MonitorSettings::pageFileColor>("PageFileColor", 0x0000FF),
        Colour<&MonitorSettings::virtualMemoryColor>("VirtualMemoryColor", 0xFF0000),
        Key{"Enabled", true, [](const CpuMonitor& m) -> SavedValue { return m.Enabled(); },
            [](CpuMonitor& m, const SavedValue& value) {
              return Assign(m.stagedEnabled_, AsBoolean(value));
            }},
        Boolean<&MonitorSettings::displayGrid>("DisplayGrid"),
        Colour<&MonitorSettings::displayGridColor>("DisplayGridColor", 0x008000),
        Integer<&MonitorSettings::updateInterval>("UpdateInterval", 1000),
        Boolean<&MonitorSettings::scrollGrid>("ScrollGrid"),
        Integer<&MonitorSettings::diagramStyle>("DiagramStyle", 0),
        Boolean<&MonitorSettings::hdMonitorDisplayed>("HDMonitorDisplayed"),
        Colour<&MonitorSettings::hdMonitorColor>("HDMonitorColor", 0xFF80FF),
        Key{"HDDriveLetter", std::string(),
            [](const CpuMonitor& m) -> SavedValue { return m.settings_.hdDriveLetter; },
            [](CpuMonitor& m, const SavedValue& value) {
              return Assign(m.settings_.hdDriveLetter, AsText(value));
            }},
    };
    return table;
  }

  // The order keys are read in, as indices into Table().
  static constexpr std::array<int, 20> kReadOrder = {3,  4,  5,  6, 7, 8, 9,  10, 12, 13,
                                                     14, 15, 16, 1, 2, 0, 11, 17, 18, 19};
};

void CpuMonitor::InitProperties() {
  settings_ = MonitorSettings{};
  settings_.hdDriveLetter = support_.GetWindowsFolder().substr(0, 3);
  appearance_ = 1;
  borderStyle_ = 1;
  backColor_ = 0;
  surfaceBackColor_ = backColor_;
  DrawGraph();
}

void CpuMonitor::ReadProperties(const forms::PropertyBag& bag) {
  const auto& table = SavedKeys::Table();
  for (const int index : SavedKeys::kReadOrder) {
    const SavedKeys::Key& key = table[static_cast<std::size_t>(index)];
    key.read(*this, bag.Read(key.name, key.defaultValue));  // a value that does not convert is skipped
  }
  InitializeMonitor();
}

void CpuMonitor::WriteProperties(forms::PropertyBag& bag) const {
  for (const SavedKeys::Key& key : SavedKeys::Table())
    bag.Write(key.name, key.written(*this), key.defaultValue);
}

}  // namespace zv::cpumonitor
