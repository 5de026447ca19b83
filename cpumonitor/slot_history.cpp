// The monitor's samples, one slot per pixel column, whose leading slots shift left in constant time.
#include "cpumonitor/slot_history.h"

#include <algorithm>

#include "cpumonitor/rounding.h"

namespace zv::cpumonitor {

std::int32_t PlotRow(float value, int height) {
  return RoundToInt32(height - value / 100.0 * height).value_or(kNoRow);
}

void SlotHistory::Assign(std::size_t slots) {
  slots_.assign(slots, Slot{});
  slots_.shrink_to_fit();
  origin_ = 0;
  window_ = 0;
  plottedHeight_ = kNotPlotted;
}

void SlotHistory::ShiftLeft(std::int64_t last) {
  const auto lastSlot = std::min<std::int64_t>(last, static_cast<std::int64_t>(slots_.size()) - 1);
  if (lastSlot < 1) return;
  const auto window = static_cast<std::size_t>(lastSlot) + 1;
  if (window != window_) {
    Unroll();
    window_ = window;
  }
  // Turning the ring moves every slot one to the left and brings slot 0's record round to the last
  // slot, which is to keep its own record instead.
  const Slot kept = slots_[Index(window - 1)];
  origin_ = origin_ + 1 < window ? origin_ + 1 : 0;
  slots_[Index(window - 1)] = kept;
}

void SlotHistory::PlotSlot(Slot& slot, int height) {
  for (std::size_t series = 0; series < kSeriesFields.size(); ++series) {
    slot.rows[series] = PlotRow(slot.levels.*kSeriesFields[series], height);
  }
}

void SlotHistory::Plot(std::int64_t slot, int height) {
  if (height != plottedHeight_) {
    for (Slot& each : slots_) PlotSlot(each, height);
    plottedHeight_ = height;
    return;
  }
  if (Inside(slot)) PlotSlot(slots_[Index(static_cast<std::size_t>(slot))], height);
}

void SlotHistory::CopyRows(std::int64_t first, int series, std::span<std::int32_t> rows) const {
  std::fill(rows.begin(), rows.end(), kNoRow);
  if (plottedHeight_ == kNotPlotted) return;
  const std::int64_t begin = std::max<std::int64_t>(first, 0);
  const std::int64_t end =
      std::min(first + static_cast<std::int64_t>(rows.size()), static_cast<std::int64_t>(slots_.size()));
  // Slots from..to-1 stored `shift` places further on.
  const auto copy = [&](std::int64_t from, std::int64_t to, std::int64_t shift) {
    for (std::int64_t slot = from; slot < to; ++slot) {
      rows[static_cast<std::size_t>(slot - first)] =
          slots_[static_cast<std::size_t>(slot + shift)].rows[static_cast<std::size_t>(series)];
    }
  };
  // The ring's slots are stored from its origin to the window's end, then from the window's start;
  // the slots after the window in place.
  const auto origin = static_cast<std::int64_t>(origin_);
  const auto window = static_cast<std::int64_t>(window_);
  const std::int64_t wrapped = window - origin;  // the first slot stored at the window's start
  copy(begin, std::min(end, wrapped), origin);
  copy(std::max(begin, wrapped), std::min(end, window), -wrapped);
  copy(std::max(begin, window), end, 0);
}

std::vector<SystemLevels> SlotHistory::Slots() const {
  std::vector<SystemLevels> slots;
  slots.reserve(slots_.size());
  for (std::size_t slot = 0; slot < slots_.size(); ++slot) slots.push_back(slots_[Index(slot)].levels);
  return slots;
}

void SlotHistory::Unroll() {
  std::rotate(slots_.begin(), slots_.begin() + static_cast<std::ptrdiff_t>(origin_),
              slots_.begin() + static_cast<std::ptrdiff_t>(window_));
  origin_ = 0;
}

}  // namespace zv::cpumonitor
