// The monitor's property sets, and the same properties reached by member identifier.
#include <algorithm>
#include <limits>

#include "cpumonitor/cpu_monitor.h"

namespace zv::cpumonitor {

using forms::AsBoolean;
using forms::AsColor;
using forms::AsInteger;
using forms::AsText;
namespace {

std::string_view KeyOf(std::uint32_t id) { return FindMonitorProperty(id)->bagKey; }

std::optional<std::int16_t> AsInteger16(const SavedValue& value) {
  const std::optional<std::int32_t> number = AsInteger(value);
  if (!number || *number < std::numeric_limits<std::int16_t>::min() ||
      *number > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(*number);
}

SavedValue ColorValue(Color color) { return static_cast<std::int32_t>(color); }

}  // namespace

const MonitorProperty* FindMonitorProperty(std::string_view name) {
  const auto it = std::find_if(kMonitorProperties.begin(), kMonitorProperties.end(),
                               [&](const MonitorProperty& property) { return property.name == name; });
  return it == kMonitorProperties.end() ? nullptr : &*it;
}

const MonitorProperty* FindMonitorProperty(std::uint32_t id) {
  const auto it = std::find_if(kMonitorProperties.begin(), kMonitorProperties.end(),
                               [&](const MonitorProperty& property) { return property.id == id; });
  return it == kMonitorProperties.end() ? nullptr : &*it;
}

template <typename T>
void CpuMonitor::Store(T& field, T value, std::string_view key, bool redraw) {
  field = std::move(value);
  if (redraw) DrawGraph();
  Host().PropertyChanged(key);
}

void CpuMonitor::SetBackColor(Color color) { Store(backColor_, color, KeyOf(dispid::kBackColor), true); }

void CpuMonitor::SetAppearance(std::int16_t appearance) {
  appearance_ = appearance;
  DrawGraph();
  Host().PropertyChanged(KeyOf(dispid::kAppearance));
}

void CpuMonitor::SetBorderStyle(std::int16_t style) {
  borderStyle_ = style;
  DrawGraph();
  Host().PropertyChanged(KeyOf(dispid::kBorderStyle));
}

void CpuMonitor::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  DrawGraph();
  Host().PropertyChanged(KeyOf(dispid::kEnabled));
}

void CpuMonitor::SetCPUMonitorDisplayed(bool shown) {
  Store(settings_.cpuMonitorDisplayed, shown, KeyOf(dispid::kCPUMonitorDisplayed), true);
}
void CpuMonitor::SetPageFileDisplayed(bool shown) {
  Store(settings_.pageFileDisplayed, shown, KeyOf(dispid::kPageFileDisplayed), true);
}
void CpuMonitor::SetVirtualMemoryDisplayed(bool shown) {
  Store(settings_.virtualMemoryDisplayed, shown, KeyOf(dispid::kVirtualMemoryDisplayed), true);
}
void CpuMonitor::SetCPUMonitorColor(Color color) {
  Store(settings_.cpuMonitorColor, color, KeyOf(dispid::kCPUMonitorColor), true);
}
void CpuMonitor::SetMemoryLoadDisplayed(bool shown) {
  Store(settings_.memoryLoadDisplayed, shown, KeyOf(dispid::kMemoryLoadDisplayed), true);
}
void CpuMonitor::SetHDMonitorDisplayed(bool shown) {
  Store(settings_.hdMonitorDisplayed, shown, KeyOf(dispid::kHDMonitorDisplayed), true);
}

void CpuMonitor::SetHDDriveLetter(std::string_view drive) {
  if (drive.empty()) return;
  // The first character is a whole UTF-8 sequence; only ASCII letters have a case to change.
  std::size_t first = 1;
  while (first < drive.size() && (static_cast<unsigned char>(drive[first]) & 0xC0) == 0x80) ++first;
  std::string stored(drive);
  if (drive.size() > first) {
    stored = std::string(drive.substr(0, first)) + ":\\";
    if (stored[0] >= 'a' && stored[0] <= 'z') stored[0] = static_cast<char>(stored[0] - 'a' + 'A');
  }
  Store(settings_.hdDriveLetter, std::move(stored), KeyOf(dispid::kHDDriveLetter), false);
}

void CpuMonitor::SetHDMonitorColor(Color color) {
  Store(settings_.hdMonitorColor, color, KeyOf(dispid::kHDMonitorColor), false);
}
void CpuMonitor::SetMemoryLoadColor(Color color) {
  Store(settings_.memoryLoadColor, color, KeyOf(dispid::kMemoryLoadColor), true);
}
void CpuMonitor::SetPageFileColor(Color color) {
  Store(settings_.pageFileColor, color, KeyOf(dispid::kPageFileColor), true);
}
void CpuMonitor::SetVirtualMemoryColor(Color color) {
  Store(settings_.virtualMemoryColor, color, KeyOf(dispid::kVirtualMemoryColor), true);
}
void CpuMonitor::SetDisplayGrid(bool shown) {
  Store(settings_.displayGrid, shown, KeyOf(dispid::kDisplayGrid), true);
}
void CpuMonitor::SetDisplayGridColor(Color color) {
  Store(settings_.displayGridColor, color, KeyOf(dispid::kDisplayGridColor), true);
}

void CpuMonitor::SetUpdateInterval(std::int32_t ms) {
  settings_.updateInterval = ms;
  // A period of 0 (or less) stops the ticks; the switch stays as it is.
  if (Host().UserMode()) timer1_.SetInterval(ms);
  Host().PropertyChanged(KeyOf(dispid::kUpdateInterval));
}

void CpuMonitor::SetScrollGrid(bool scrolls) {
  Store(settings_.scrollGrid, scrolls, KeyOf(dispid::kScrollGrid), true);
}
void CpuMonitor::SetDiagramStyle(std::int32_t style) {
  Store(settings_.diagramStyle, style, KeyOf(dispid::kDiagramStyle), true);
}

std::optional<SavedValue> CpuMonitor::GetProperty(std::uint32_t id) const {
  switch (id) {
    case dispid::kBackColor:
      return ColorValue(BackColor());
    case dispid::kAppearance:
      return Appearance();
    case dispid::kBorderStyle:
      return BorderStyle();
    case dispid::kHdc:
      return static_cast<std::int32_t>(hdc());
    case dispid::kHWnd:
      return static_cast<std::int32_t>(hWnd());
    case dispid::kCPUMonitorDisplayed:
      return CPUMonitorDisplayed();
    case dispid::kPageFileDisplayed:
      return PageFileDisplayed();
    case dispid::kVirtualMemoryDisplayed:
      return VirtualMemoryDisplayed();
    case dispid::kCPUMonitorColor:
      return ColorValue(CPUMonitorColor());
    case dispid::kMemoryLoadDisplayed:
      return MemoryLoadDisplayed();
    case dispid::kHDMonitorDisplayed:
      return HDMonitorDisplayed();
    case dispid::kHDDriveLetter:
      return HDDriveLetter();
    case dispid::kHDMonitorColor:
      return ColorValue(HDMonitorColor());
    case dispid::kMemoryLoadColor:
      return ColorValue(MemoryLoadColor());
    case dispid::kPageFileColor:
      return ColorValue(PageFileColor());
    case dispid::kVirtualMemoryColor:
      return ColorValue(VirtualMemoryColor());
    case dispid::kEnabled:
      return Enabled();
    case dispid::kDisplayGrid:
      return DisplayGrid();
    case dispid::kDisplayGridColor:
      return ColorValue(DisplayGridColor());
    case dispid::kUpdateInterval:
      return UpdateInterval();
    case dispid::kScrollGrid:
      return ScrollGrid();
    case dispid::kDiagramStyle:
      return DiagramStyle();
    default:
      return std::nullopt;
  }
}

bool CpuMonitor::SetProperty(std::uint32_t id, const SavedValue& value) {
  // Converts, then runs the typed set; false when the value does not convert.
  auto apply = [&](auto converted, auto set) {
    if (!converted) return false;
    (this->*set)(*converted);
    return true;
  };
  switch (id) {
    case dispid::kBackColor:
      return apply(AsColor(value), &CpuMonitor::SetBackColor);
    case dispid::kAppearance:
      return apply(AsInteger16(value), &CpuMonitor::SetAppearance);
    case dispid::kBorderStyle:
      return apply(AsInteger16(value), &CpuMonitor::SetBorderStyle);
    case dispid::kCPUMonitorDisplayed:
      return apply(AsBoolean(value), &CpuMonitor::SetCPUMonitorDisplayed);
    case dispid::kPageFileDisplayed:
      return apply(AsBoolean(value), &CpuMonitor::SetPageFileDisplayed);
    case dispid::kVirtualMemoryDisplayed:
      return apply(AsBoolean(value), &CpuMonitor::SetVirtualMemoryDisplayed);
    case dispid::kCPUMonitorColor:
      return apply(AsColor(value), &CpuMonitor::SetCPUMonitorColor);
    case dispid::kMemoryLoadDisplayed:
      return apply(AsBoolean(value), &CpuMonitor::SetMemoryLoadDisplayed);
    case dispid::kHDMonitorDisplayed:
      return apply(AsBoolean(value), &CpuMonitor::SetHDMonitorDisplayed);
    case dispid::kHDMonitorColor:
      return apply(AsColor(value), &CpuMonitor::SetHDMonitorColor);
    case dispid::kMemoryLoadColor:
      return apply(AsColor(value), &CpuMonitor::SetMemoryLoadColor);
    case dispid::kPageFileColor:
      return apply(AsColor(value), &CpuMonitor::SetPageFileColor);
    case dispid::kVirtualMemoryColor:
      return apply(AsColor(value), &CpuMonitor::SetVirtualMemoryColor);
    case dispid::kEnabled:
      return apply(AsBoolean(value), &CpuMonitor::SetEnabled);
    case dispid::kDisplayGrid:
      return apply(AsBoolean(value), &CpuMonitor::SetDisplayGrid);
    case dispid::kDisplayGridColor:
      return apply(AsColor(value), &CpuMonitor::SetDisplayGridColor);
    case dispid::kUpdateInterval:
      return apply(AsInteger(value), &CpuMonitor::SetUpdateInterval);
    case dispid::kScrollGrid:
      return apply(AsBoolean(value), &CpuMonitor::SetScrollGrid);
    case dispid::kDiagramStyle:
      return apply(AsInteger(value), &CpuMonitor::SetDiagramStyle);
    case dispid::kHDDriveLetter: {
      const std::optional<std::string> text = AsText(value);
      if (!text) return false;
      SetHDDriveLetter(*text);
      return true;
    }
    default:
      return false;  // unknown, or one of the read-only handles
  }
}

}  // namespace zv::cpumonitor
