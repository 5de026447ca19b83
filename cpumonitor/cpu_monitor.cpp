// The monitor's life cycle, its history and sampling, the tick and the public methods.
#include "cpumonitor/cpu_monitor.h"

#include <limits>

#include "cpumonitor/format_filesize.h"
#include "cpumonitor/rounding.h"

namespace zv::cpumonitor {
namespace {

// One slot per pixel column; a wider history than any screen is refused rather than allocated.
constexpr std::int32_t kMaxColumns = 32767;

}  // namespace

CpuMonitor::CpuMonitor(std::string name, forms::ControlHost& host, ModuleCpuMonitorSupport& support,
                       platform::RegionalSettings& regional, int index)
    : HostedControl(host, std::move(name), index),
      support_(support),
      regional_(regional),
      timer1_(host.Timers(), "Timer1") {
  timer1_.onTimer = [this] { Timer1_Timer(); };
  ReadDefaults();
}

void CpuMonitor::AssignHistory() {
  const std::optional<std::int32_t> columns = RoundToInt32(OuterWidthPixels());
  if (columns && *columns >= 0 && *columns <= kMaxColumns) {
    levelHistory_.Assign(static_cast<std::size_t>(*columns) + 1);
  }
}

void CpuMonitor::InitializeMonitor() {
  if (Host().UserMode()) {
    timer1_.SetInterval(settings_.updateInterval);
    timer1_.SetEnabled(true);
  }
  AssignHistory();
  platformIsNT_ = support_.IsWindowsNT();
  support_.InitializeCpuCounter(platformIsNT_);
  // The saved border decides the inner width, so it goes to the host before the width is read:
  // otherwise slots never sampled would be drawn as zeros until the history first fills.
  appearance_ = stagedAppearance_;
  borderStyle_ = stagedBorderStyle_;
  Control::SetEnabled(stagedEnabled_);
  surfaceBackColor_ = backColor_;
  lastEmptyIndex_ = InnerSize().width - 1;
}

void CpuMonitor::Terminate() { support_.TerminateCpuCounter(platformIsNT_); }

void CpuMonitor::Resize() { DrawGraph(); }

void CpuMonitor::OnDpiChanged() {
  AssignHistory();
  lastEmptyIndex_ = InnerSize().width - 1;
  DrawGraph();
}

void CpuMonitor::DblClick() {
  if (onDblClick) onDblClick();
}

std::int32_t CpuMonitor::TakeSample() {
  const std::int32_t last = InnerSize().width - 1;
  // Slots 1..last move one to the left; those beyond the history (after a resize) are skipped.
  levelHistory_.ShiftLeft(last);
  const std::int32_t newest = last >= 1 ? last : 0;
  if (lastEmptyIndex_ > 0) --lastEmptyIndex_;

  SystemLevels* slot = levelHistory_.At(newest);
  if (!slot) return newest;
  support_.ReadMemoryLevels(*slot);
  support_.ReadDiskLevels(settings_.hdDriveLetter, *slot);
  slot->cpuLoadPercent = support_.GetCpuUsage(platformIsNT_);
  levelHistory_.Plot(newest, InnerSize().height);
  return newest;
}

std::optional<ReportedLevels> CpuMonitor::Report(std::int32_t slot) const {
  const SystemLevels* sample = levelHistory_.At(slot);
  if (!sample) return std::nullopt;
  const SystemLevels& levels = *sample;
  return ReportedLevels{
      RoundToInt32(levels.cpuLoadPercent).value_or(0),
      RoundToInt32(levels.memoryLoadPercent).value_or(0),
      levels.physicalMemoryTotal,
      levels.physicalMemoryAvailable,
      levels.physicalMemoryAvailablePercent,
      levels.pageFileTotal,
      levels.pageFileAvailable,
      levels.pageFileAvailablePercent,
      levels.virtualMemoryTotal,
      levels.virtualMemoryAvailable,
      levels.virtualMemoryAvailablePercent,
      levels.hdTotalBytes,
      levels.hdTotalFreeBytes,
      levels.hdAvailableFreeBytes,
      levels.hdTotalBytesUsed,
      levels.hdAvailablePercent,
  };
}

void CpuMonitor::Timer1_Timer() {
  if (!Enabled()) return;
  if (!Host().UserMode()) return;
  // With the grid hidden the offset keeps falling; at the end of its range it stays put.
  if (gridOffset_ > std::numeric_limits<std::int32_t>::min()) --gridOffset_;
  const std::int32_t newest = TakeSample();
  DrawGraph();
  const std::optional<ReportedLevels> levels = Report(newest);
  if (levels && onUpdate) onUpdate(*levels);
}

ReportedLevels CpuMonitor::GetCurrentSystemLevels() {
  return Report(TakeSample()).value_or(ReportedLevels{});
}

void CpuMonitor::Refresh() { Present(); }

bool CpuMonitor::Reset() {
  gridOffset_ = 0;
  DrawGraph();
  return false;
}

std::string CpuMonitor::FormatFilesize(double value) {
  return cpumonitor::FormatFilesize(value, regional_.ThousandsSeparator(),
                                    platform::DecimalSeparatorOrPoint(regional_));
}

}  // namespace zv::cpumonitor
