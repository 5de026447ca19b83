// The monitor's property table, and the sets and gets that follow it, by name or by member identifier.
#include <algorithm>
#include <limits>
#include <type_traits>

#include "cpumonitor/cpu_monitor.h"

namespace zv::cpumonitor {

using forms::AsBoolean;
using forms::AsColor;
using forms::AsInteger;
using forms::AsText;
namespace {

std::optional<std::int16_t> AsInteger16(const SavedValue& value) {
  const std::optional<std::int32_t> number = AsInteger(value);
  if (!number || *number < std::numeric_limits<std::int16_t>::min() ||
      *number > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(*number);
}

// A stored value as the bag and a get see it: colours as signed 32-bit numbers.
SavedValue ToSaved(bool value) { return value; }
SavedValue ToSaved(std::int16_t value) { return value; }
SavedValue ToSaved(std::int32_t value) { return value; }
SavedValue ToSaved(Color value) { return static_cast<std::int32_t>(value); }
SavedValue ToSaved(const std::string& value) { return value; }

template <typename T>
std::optional<T> Convert(const SavedValue& value) {
  if constexpr (std::is_same_v<T, bool>) return AsBoolean(value);
  if constexpr (std::is_same_v<T, std::int16_t>) return AsInteger16(value);
  if constexpr (std::is_same_v<T, std::int32_t>) return AsInteger(value);
  if constexpr (std::is_same_v<T, Color>) return AsColor(value);
  if constexpr (std::is_same_v<T, std::string>) return AsText(value);
}

template <typename T>
bool Assign(T& field, const SavedValue& value) {
  std::optional<T> converted = Convert<T>(value);
  if (!converted) return false;
  field = std::move(*converted);
  return true;
}

StoreResult Stored(bool converted) { return converted ? StoreResult::kStored : StoreResult::kNotConverted; }

// "" is ignored; "d:\temp" becomes "D:\"; a single character is kept as given.
std::optional<std::string> DriveRoot(std::string_view drive) {
  if (drive.empty()) return std::nullopt;
  // The first character is a whole UTF-8 sequence; only ASCII letters have a case to change.
  std::size_t first = 1;
  while (first < drive.size() && (static_cast<unsigned char>(drive[first]) & 0xC0) == 0x80) ++first;
  std::string root(drive);
  if (drive.size() > first) {
    root = std::string(drive.substr(0, first)) + ":\\";
    if (root[0] >= 'a' && root[0] <= 'z') root[0] = static_cast<char>(root[0] - 'a' + 'A');
  }
  return root;
}

}  // namespace

// The accessors of each kind of row, built where the monitor's members are in reach.
struct CpuMonitor::PropertyRows {
  using Access = MonitorProperty::Access;

  // A plain stored setting: a set, a read and a get all reach the same field.
  template <auto Field>
  static constexpr Access Setting() {
    using T = std::remove_cvref_t<decltype(std::declval<MonitorSettings&>().*Field)>;
    return {[](const CpuMonitor& m) { return ToSaved(m.settings_.*Field); },
            [](CpuMonitor& m, const SavedValue& v) { return Stored(Assign<T>(m.settings_.*Field, v)); },
            [](const CpuMonitor& m) { return ToSaved(m.settings_.*Field); },
            [](CpuMonitor& m, const SavedValue& v) { return Assign<T>(m.settings_.*Field, v); }};
  }
  // A surface attribute: a set applies it, reading stages it for InitializeMonitor.
  template <std::int16_t CpuMonitor::*Field, std::int16_t CpuMonitor::*StagedField>
  static constexpr Access Staged() {
    return {[](const CpuMonitor& m) { return ToSaved(m.*Field); },
            [](CpuMonitor& m, const SavedValue& v) { return Stored(Assign<std::int16_t>(m.*Field, v)); },
            [](const CpuMonitor& m) { return ToSaved(m.*Field); },
            [](CpuMonitor& m, const SavedValue& v) { return Assign<std::int16_t>(m.*StagedField, v); }};
  }
  // A window handle: read-only and not saved.
  template <platform::OpaqueHandle (CpuMonitor::*Getter)() const>
  static constexpr Access Handle() {
    return {[](const CpuMonitor& m) -> SavedValue { return static_cast<std::int32_t>((m.*Getter)()); },
            nullptr, nullptr, nullptr};
  }

  static constexpr Access BackColor() {
    // Reading and a set keep the colour; the bag is given the one the surface last cleared with.
    return {[](const CpuMonitor& m) { return ToSaved(m.backColor_); },
            [](CpuMonitor& m, const SavedValue& v) { return Stored(Assign<Color>(m.backColor_, v)); },
            [](const CpuMonitor& m) { return ToSaved(m.surfaceBackColor_); },
            [](CpuMonitor& m, const SavedValue& v) { return Assign<Color>(m.backColor_, v); }};
  }
  static constexpr Access Enabled() {
    return {[](const CpuMonitor& m) -> SavedValue { return m.Enabled(); },
            [](CpuMonitor& m, const SavedValue& v) {
              const std::optional<bool> enabled = AsBoolean(v);
              if (enabled) m.Control::SetEnabled(*enabled);
              return Stored(enabled.has_value());
            },
            [](const CpuMonitor& m) -> SavedValue { return m.Enabled(); },
            [](CpuMonitor& m, const SavedValue& v) { return Assign<bool>(m.stagedEnabled_, v); }};
  }
  static constexpr Access UpdateInterval() {
    Access access = Setting<&MonitorSettings::updateInterval>();
    access.store = [](CpuMonitor& m, const SavedValue& v) {
      if (!Assign<std::int32_t>(m.settings_.updateInterval, v)) return StoreResult::kNotConverted;
      // A period of 0 (or less) stops the ticks; the switch stays as it is.
      if (m.Host().UserMode()) m.timer1_.SetInterval(m.settings_.updateInterval);
      return StoreResult::kStored;
    };
    return access;
  }
  static constexpr Access HDDriveLetter() {
    // Reading keeps the saved text as it is; a set takes the drive's root.
    Access access = Setting<&MonitorSettings::hdDriveLetter>();
    access.store = [](CpuMonitor& m, const SavedValue& v) {
      const std::optional<std::string> text = AsText(v);
      if (!text) return StoreResult::kNotConverted;
      std::optional<std::string> root = DriveRoot(*text);
      if (!root) return StoreResult::kIgnored;
      m.settings_.hdDriveLetter = std::move(*root);
      return StoreResult::kStored;
    };
    return access;
  }

  static const std::array<MonitorProperty, 22>& Table();
};

const std::array<MonitorProperty, 22>& CpuMonitor::PropertyRows::Table() {
  using K = PropertyKind;
  using S = MonitorSettings;
  static const std::array<MonitorProperty, 22> table = {{
      // name, id, kind, bag key, redraws, description, write order, read order, default, access
      {"BackColor", dispid::kBackColor, K::kColor, "BackColor", true,
       "Returns/sets the background color used to display text and graphics in an object.", 0, 15,
       std::int32_t{0}, BackColor()},
      {"Appearance", dispid::kAppearance, K::kInteger16, "Appearance", true,
       "Returns/sets whether or not an object is painted at run time with 3-D effects.", 1, 13,
       std::int16_t{1}, Staged<&CpuMonitor::appearance_, &CpuMonitor::stagedAppearance_>()},
      {"BorderStyle", dispid::kBorderStyle, K::kInteger16, "BorderStyle", true,
       "Returns/sets the border style for an object.", 2, 14, std::int16_t{1},
       Staged<&CpuMonitor::borderStyle_, &CpuMonitor::stagedBorderStyle_>()},
      {"hdc", dispid::kHdc, K::kHandle, "", false,
       "Returns a handle (from Microsoft Windows) to the object's device context.", -1, -1, std::int32_t{0},
       Handle<&CpuMonitor::hdc>()},
      {"hWnd", dispid::kHWnd, K::kHandle, "", false,
       "Returns a handle (from Microsoft Windows) to an object's window.", -1, -1, std::int32_t{0},
       Handle<&CpuMonitor::hWnd>()},
      {"CPUMonitorDisplayed", dispid::kCPUMonitorDisplayed, K::kBoolean, "CPUMonitorDisplayed", true,
       "Set/Return a value that determines whether the CPU Level is displayed", 3, 0, true,
       Setting<&S::cpuMonitorDisplayed>()},
      {"PageFileDisplayed", dispid::kPageFileDisplayed, K::kBoolean, "PageFileDisplayed", true,
       "Set/Return a value that determines whether the Available PageFile Level is displayed", 4, 1, true,
       Setting<&S::pageFileDisplayed>()},
      {"VirtualMemoryDisplayed", dispid::kVirtualMemoryDisplayed, K::kBoolean, "VirtualMemoryDisplayed", true,
       "Set/Return a value that determines whether the Virtual Memory level is displayed", 5, 2, true,
       Setting<&S::virtualMemoryDisplayed>()},
      {"CPUMonitorColor", dispid::kCPUMonitorColor, K::kColor, "CPUMonitorColor", true,
       "Return/Set the color to use to display the CPU Level", 6, 3, std::int32_t{0x00FF00},
       Setting<&S::cpuMonitorColor>()},
      {"MemoryLoadDisplayed", dispid::kMemoryLoadDisplayed, K::kBoolean, "MemoryLoadDisplayed", true,
       "Set/Return a value that determines whether the Available Memory is displayed", 7, 4, true,
       Setting<&S::memoryLoadDisplayed>()},
      {"HDMonitorDisplayed", dispid::kHDMonitorDisplayed, K::kBoolean, "HDMonitorDisplayed", true, "", 17, 17,
       true, Setting<&S::hdMonitorDisplayed>()},
      // A new instance takes the Windows folder's drive instead of this default.
      {"HDDriveLetter", dispid::kHDDriveLetter, K::kText, "HDDriveLetter", false, "", 19, 19, std::string(),
       HDDriveLetter()},
      // Stored and saved, but the disk series keeps its own colour.
      {"HDMonitorColor", dispid::kHDMonitorColor, K::kColor, "HDMonitorColor", false, "", 18, 18,
       std::int32_t{0xFF80FF}, Setting<&S::hdMonitorColor>()},
      // Saved and notified under a shorter key than its name.
      {"MemoryLoadColor", dispid::kMemoryLoadColor, K::kColor, "MemoryColor", true,
       "Return/Set the color to use to display the level of Available Memory ", 8, 5, std::int32_t{0x00FFFF},
       Setting<&S::memoryLoadColor>()},
      {"PageFileColor", dispid::kPageFileColor, K::kColor, "PageFileColor", true,
       "Return/Set the color to use to display the level of Available PageFile", 9, 6, std::int32_t{0x0000FF},
       Setting<&S::pageFileColor>()},
      {"VirtualMemoryColor", dispid::kVirtualMemoryColor, K::kColor, "VirtualMemoryColor", true,
       "Return/Set the color to use to display the level of Available Virtual Memory", 10, 7,
       std::int32_t{0xFF0000}, Setting<&S::virtualMemoryColor>()},
      {"Enabled", dispid::kEnabled, K::kBoolean, "Enabled", true,
       "Returns/sets a value that determines whether an object can respond to user-generated events.", 11, 16,
       true, Enabled()},
      {"DisplayGrid", dispid::kDisplayGrid, K::kBoolean, "DisplayGrid", true, "", 12, 8, true,
       Setting<&S::displayGrid>()},
      {"DisplayGridColor", dispid::kDisplayGridColor, K::kColor, "DisplayGridColor", true, "", 13, 9,
       std::int32_t{0x008000}, Setting<&S::displayGridColor>()},
      // In run mode the timer takes the new period at once.
      {"UpdateInterval", dispid::kUpdateInterval, K::kMilliseconds, "UpdateInterval", false, "", 14, 10,
       std::int32_t{1000}, UpdateInterval()},
      {"ScrollGrid", dispid::kScrollGrid, K::kBoolean, "ScrollGrid", true, "", 15, 11, true,
       Setting<&S::scrollGrid>()},
      // Any value but the three styles draws no series.
      {"DiagramStyle", dispid::kDiagramStyle, K::kInteger32, "DiagramStyle", true, "", 16, 12,
       std::int32_t{0}, Setting<&S::diagramStyle>()},
  }};
  return table;
}

std::span<const MonitorProperty> MonitorProperties() { return CpuMonitor::PropertyRows::Table(); }

const MonitorProperty* FindMonitorProperty(std::string_view name) {
  const auto properties = MonitorProperties();
  const auto it = std::find_if(properties.begin(), properties.end(),
                               [&](const MonitorProperty& property) { return property.name == name; });
  return it == properties.end() ? nullptr : &*it;
}

const MonitorProperty* FindMonitorProperty(std::uint32_t id) {
  const auto properties = MonitorProperties();
  const auto it = std::find_if(properties.begin(), properties.end(),
                               [&](const MonitorProperty& property) { return property.id == id; });
  return it == properties.end() ? nullptr : &*it;
}

bool CpuMonitor::Set(const MonitorProperty& property, const SavedValue& value) {
  if (!property.settable()) return false;
  switch (property.access.store(*this, value)) {
    case StoreResult::kNotConverted:
      return false;
    case StoreResult::kIgnored:
      return true;
    case StoreResult::kStored:
      break;
  }
  if (property.redraws) DrawGraph();
  Host().PropertyChanged(property.bagKey);
  return true;
}

void CpuMonitor::Set(std::uint32_t id, const SavedValue& value) { Set(*FindMonitorProperty(id), value); }

std::optional<SavedValue> CpuMonitor::GetProperty(std::uint32_t id) const {
  const MonitorProperty* property = FindMonitorProperty(id);
  if (!property) return std::nullopt;
  return property->access.get(*this);
}

bool CpuMonitor::SetProperty(std::uint32_t id, const SavedValue& value) {
  const MonitorProperty* property = FindMonitorProperty(id);
  return property && Set(*property, value);  // false too for the read-only handles
}

void CpuMonitor::SetBackColor(Color color) { Set(dispid::kBackColor, ToSaved(color)); }
void CpuMonitor::SetAppearance(std::int16_t appearance) { Set(dispid::kAppearance, appearance); }
void CpuMonitor::SetBorderStyle(std::int16_t style) { Set(dispid::kBorderStyle, style); }
void CpuMonitor::SetEnabled(bool enabled) { Set(dispid::kEnabled, enabled); }
void CpuMonitor::SetCPUMonitorDisplayed(bool shown) { Set(dispid::kCPUMonitorDisplayed, shown); }
void CpuMonitor::SetPageFileDisplayed(bool shown) { Set(dispid::kPageFileDisplayed, shown); }
void CpuMonitor::SetVirtualMemoryDisplayed(bool shown) { Set(dispid::kVirtualMemoryDisplayed, shown); }
void CpuMonitor::SetCPUMonitorColor(Color color) { Set(dispid::kCPUMonitorColor, ToSaved(color)); }
void CpuMonitor::SetMemoryLoadDisplayed(bool shown) { Set(dispid::kMemoryLoadDisplayed, shown); }
void CpuMonitor::SetHDMonitorDisplayed(bool shown) { Set(dispid::kHDMonitorDisplayed, shown); }
void CpuMonitor::SetHDDriveLetter(std::string_view drive) { Set(dispid::kHDDriveLetter, std::string(drive)); }
void CpuMonitor::SetHDMonitorColor(Color color) { Set(dispid::kHDMonitorColor, ToSaved(color)); }
void CpuMonitor::SetMemoryLoadColor(Color color) { Set(dispid::kMemoryLoadColor, ToSaved(color)); }
void CpuMonitor::SetPageFileColor(Color color) { Set(dispid::kPageFileColor, ToSaved(color)); }
void CpuMonitor::SetVirtualMemoryColor(Color color) { Set(dispid::kVirtualMemoryColor, ToSaved(color)); }
void CpuMonitor::SetDisplayGrid(bool shown) { Set(dispid::kDisplayGrid, shown); }
void CpuMonitor::SetDisplayGridColor(Color color) { Set(dispid::kDisplayGridColor, ToSaved(color)); }
void CpuMonitor::SetUpdateInterval(std::int32_t ms) { Set(dispid::kUpdateInterval, ms); }
void CpuMonitor::SetScrollGrid(bool scrolls) { Set(dispid::kScrollGrid, scrolls); }
void CpuMonitor::SetDiagramStyle(std::int32_t style) { Set(dispid::kDiagramStyle, style); }

}  // namespace zv::cpumonitor
