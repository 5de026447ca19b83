// The monitor's samples, one slot per pixel column, whose leading slots shift left in constant time,
// each with the rows its five series are plotted at.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "cpumonitor/system_levels.h"

namespace zv::cpumonitor {

// The five series in drawing order (later ones cover earlier ones) and the field each plots.
constexpr int kSeriesCount = 5;
constexpr std::array<float SystemLevels::*, kSeriesCount> kSeriesFields = {
    &SystemLevels::cpuLoadPercent, &SystemLevels::memoryLoadPercent, &SystemLevels::pageFileAvailablePercent,
    &SystemLevels::virtualMemoryAvailablePercent, &SystemLevels::hdAvailablePercent};

// A row for a value that has none (outside the history, or a level beyond 32 bits).
constexpr std::int32_t kNoRow = std::numeric_limits<std::int32_t>::min();

// round(H - value / 100 x H), halves to even: 100 % is the top row, 0 % the row just below the picture.
std::int32_t PlotRow(float value, int height);

// Slots 0..Size()-1. The leading slots that shift form a ring, so a tick moves an origin instead of
// copying every record; the slots after them are stored in place. Rows are plotted once per sample
// (and again for a new height), not on every redraw.
class SlotHistory {
 public:
  // Zero-filled slots; earlier samples are dropped.
  void Assign(std::size_t slots);
  std::size_t Size() const { return slots_.size(); }

  // Null outside the history.
  const SystemLevels* At(std::int64_t slot) const {
    if (!Inside(slot)) return nullptr;
    return &slots_[Index(static_cast<std::size_t>(slot))].levels;
  }
  SystemLevels* At(std::int64_t slot) {
    if (!Inside(slot)) return nullptr;
    return &slots_[Index(static_cast<std::size_t>(slot))].levels;
  }

  // Slot i - 1 <- slot i for i = 1..last, with `last` cut to the history; slot `last` keeps its record.
  void ShiftLeft(std::int64_t last);

  // Plots one slot, after its sample changed; with another height than the last, every slot.
  void Plot(std::int64_t slot, int height);
  // kNoRow outside the history, and before the first Plot.
  std::int32_t Row(std::int64_t slot, int series) const {
    if (!Inside(slot) || plottedHeight_ == kNotPlotted) return kNoRow;
    return slots_[Index(static_cast<std::size_t>(slot))].rows[static_cast<std::size_t>(series)];
  }
  // Row(first + i, series) into rows[i] for every i, a stretch at a time instead of a slot at a time.
  void CopyRows(std::int64_t first, int series, std::span<std::int32_t> rows) const;

  // The samples in slot order, for inspection.
  std::vector<SystemLevels> Slots() const;

 private:
  struct Slot {
    SystemLevels levels;
    std::array<std::int32_t, kSeriesCount> rows{};
  };
  static constexpr int kNotPlotted = std::numeric_limits<int>::min();

  bool Inside(std::int64_t slot) const {
    return slot >= 0 && static_cast<std::uint64_t>(slot) < slots_.size();
  }
  std::size_t Index(std::size_t slot) const {
    if (slot >= window_) return slot;
    const std::size_t index = origin_ + slot;
    return index < window_ ? index : index - window_;
  }
  static void PlotSlot(Slot& slot, int height);
  // Lays the ring out in slot order again, for a window of another length.
  void Unroll();

  std::vector<Slot> slots_;
  std::size_t origin_ = 0;  // where slot 0 of the ring is stored
  std::size_t window_ = 0;  // slots 0..window_-1 form the ring
  int plottedHeight_ = kNotPlotted;
};

}  // namespace zv::cpumonitor
