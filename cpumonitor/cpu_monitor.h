// Strip chart of CPU, memory and disk levels: history, sampling, drawing, properties and their saved values.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cpumonitor/cpu_monitor_support.h"
#include "cpumonitor/monitor_properties.h"
#include "cpumonitor/slot_history.h"
#include "cpumonitor/system_levels.h"
#include "platform/forms/hosted_control.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/timer.h"
#include "platform/handle.h"
#include "platform/locale.h"

namespace zv::cpumonitor {

using forms::SavedValue;

// The stored properties. Their defaults, keys and rules are the rows of MonitorProperties().
// Appearance, BorderStyle and Enabled belong to the surface; BackColor is kept apart.
struct MonitorSettings {
  bool cpuMonitorDisplayed;
  bool pageFileDisplayed;
  bool virtualMemoryDisplayed;
  Color cpuMonitorColor;
  bool memoryLoadDisplayed;
  bool hdMonitorDisplayed;
  std::string hdDriveLetter;
  Color hdMonitorColor;
  Color memoryLoadColor;
  Color pageFileColor;
  Color virtualMemoryColor;
  bool displayGrid;
  Color displayGridColor;
  std::int32_t updateInterval;  // ms
  bool scrollGrid;
  std::int32_t diagramStyle;  // DiagramStyle; any other value draws no series
};

class CpuMonitor final : public forms::HostedControl {
 public:
  CpuMonitor(std::string name, forms::ControlHost& host, ModuleCpuMonitorSupport& support,
             platform::RegionalSettings& regional, int index = -1);

  // The host's life-cycle calls.
  void InitProperties() override;
  // Each key on its own (a value that does not convert is skipped), then InitializeMonitor.
  void ReadProperties(const forms::PropertyBag& bag) override;
  // Every key in order, with its default, so the bag keeps only what differs.
  void WriteProperties(forms::PropertyBag& bag) const override;
  void Terminate();
  // The host's input: the control was resized or double-clicked.
  void Resize();
  void DblClick();
  void OnResize() override { Resize(); }
  // At another dpi the chart is another number of pixels wide: its history starts again at that width,
  // as when it was made, so that every new sample has a slot.
  void OnDpiChanged() override;
  void OnDblClick() override { DblClick(); }
  void OnTerminate() override { Terminate(); }

  // Methods.
  void Refresh();  // presents the retained image again; draws nothing new
  bool Reset();    // realigns the grid and redraws; always false
  std::string FormatFilesize(double value);
  // A sample as a tick takes it, whether or not enabled or running; no redraw, no Update.
  ReportedLevels GetCurrentSystemLevels();

  // Events.
  std::function<void(const ReportedLevels&)> onUpdate;
  std::function<void()> onDblClick;

  // Properties.
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color color);
  std::int16_t Appearance() const { return appearance_; }  // 0 flat, 1 three-dimensional
  void SetAppearance(std::int16_t appearance);
  std::int16_t BorderStyle() const { return borderStyle_; }  // 0 none, 1 fixed single line
  void SetBorderStyle(std::int16_t style);
  platform::OpaqueHandle hdc() const;
  platform::OpaqueHandle hWnd() const;
  bool CPUMonitorDisplayed() const { return settings_.cpuMonitorDisplayed; }
  void SetCPUMonitorDisplayed(bool shown);
  bool PageFileDisplayed() const { return settings_.pageFileDisplayed; }
  void SetPageFileDisplayed(bool shown);
  bool VirtualMemoryDisplayed() const { return settings_.virtualMemoryDisplayed; }
  void SetVirtualMemoryDisplayed(bool shown);
  Color CPUMonitorColor() const { return settings_.cpuMonitorColor; }
  void SetCPUMonitorColor(Color color);
  bool MemoryLoadDisplayed() const { return settings_.memoryLoadDisplayed; }
  void SetMemoryLoadDisplayed(bool shown);
  bool HDMonitorDisplayed() const { return settings_.hdMonitorDisplayed; }
  void SetHDMonitorDisplayed(bool shown);
  const std::string& HDDriveLetter() const { return settings_.hdDriveLetter; }
  // "" is ignored; "d:\temp" becomes "D:\"; a single character is kept as given.
  void SetHDDriveLetter(std::string_view drive);
  Color HDMonitorColor() const { return settings_.hdMonitorColor; }
  void SetHDMonitorColor(Color color);
  Color MemoryLoadColor() const { return settings_.memoryLoadColor; }
  void SetMemoryLoadColor(Color color);
  Color PageFileColor() const { return settings_.pageFileColor; }
  void SetPageFileColor(Color color);
  Color VirtualMemoryColor() const { return settings_.virtualMemoryColor; }
  void SetVirtualMemoryColor(Color color);
  // Enabled() is the window's enabled state; this setter also redraws and notifies.
  void SetEnabled(bool enabled);
  bool DisplayGrid() const { return settings_.displayGrid; }
  void SetDisplayGrid(bool shown);
  Color DisplayGridColor() const { return settings_.displayGridColor; }
  void SetDisplayGridColor(Color color);
  std::int32_t UpdateInterval() const { return settings_.updateInterval; }
  // In run mode the timer takes the new period at once (0 stops the ticks).
  void SetUpdateInterval(std::int32_t ms);
  bool ScrollGrid() const { return settings_.scrollGrid; }
  void SetScrollGrid(bool scrolls);
  std::int32_t DiagramStyle() const { return settings_.diagramStyle; }
  void SetDiagramStyle(std::int32_t style);

  // The same properties by identifier, as a late-bound caller reaches them. Get: nullopt for an
  // unknown identifier. Set: false for an unknown or read-only one, or a value that does not convert.
  std::optional<SavedValue> GetProperty(std::uint32_t id) const;
  bool SetProperty(std::uint32_t id, const SavedValue& value);

  // State.
  const SlotHistory& LevelHistory() const { return levelHistory_; }
  std::int32_t LastEmptyIndex() const { return lastEmptyIndex_; }
  std::int32_t GridOffset() const { return gridOffset_; }
  bool PlatformIsNT() const { return platformIsNT_; }
  const forms::Timer& Timer1() const { return timer1_; }

  // The tick: moves the grid, takes a sample, redraws and raises Update; nothing when disabled or designing.
  void Timer1_Timer();

 private:
  struct PropertyRows;  // builds the property table, with access to the stored values
  friend std::span<const MonitorProperty> MonitorProperties();

  // Every key's default into the stored and staged values, as reading an empty bag would.
  void ReadDefaults();

  void InitializeMonitor();
  // Empty slots for every column of the outer width, and one more.
  void AssignHistory();
  // Shifts the history one slot left and samples into the newest slot; returns that slot's index.
  std::int32_t TakeSample();
  std::optional<ReportedLevels> Report(std::int32_t slot) const;
  void DrawGraph();
  void DrawGrid(Canvas& canvas, Size inner);
  // `series` indexes kSeriesFields.
  void DrawSeries(Canvas& canvas, Size inner, int series, Color color);
  // Runs the property's set rule; when it stored the value, redraws if the row says so, then notifies
  // under the bag key. False when read-only or the value does not convert.
  bool Set(const MonitorProperty& property, const SavedValue& value);
  void Set(std::uint32_t id, const SavedValue& value);

  // The surface: the outer width in pixels (twips / 15, not rounded), the drawing area inside
  // the border, the retained image of that area, and presenting it with the border around.
  double OuterWidthPixels() const;
  Size InnerSize() const;
  Canvas& DrawingSurface();
  void Present();
  int BorderWidth() const;
  void DrawBorder(Canvas& canvas) const;

  ModuleCpuMonitorSupport& support_;
  platform::RegionalSettings& regional_;
  forms::Timer timer1_;

  MonitorSettings settings_{};
  Color backColor_ = 0;
  // The surface's own attributes.
  Color surfaceBackColor_ = 0;
  std::int16_t appearance_ = 1;
  std::int16_t borderStyle_ = 1;
  // The drawing area when there is a border, or before the window exists.
  std::optional<OwnedCanvas> inner_;
  // Read from the bag, applied by InitializeMonitor.
  std::int16_t stagedAppearance_ = 1;
  std::int16_t stagedBorderStyle_ = 1;
  bool stagedEnabled_ = true;

  SlotHistory levelHistory_;  // slots 0 to P, P the outer width in pixels
  // The rows of the series being drawn, kept so that a redraw allocates nothing.
  std::vector<std::int32_t> seriesRows_;
  std::int32_t lastEmptyIndex_ = 0;
  std::int32_t gridOffset_ = 0;
  bool platformIsNT_ = false;
};

}  // namespace zv::cpumonitor
