// The monitor's slot history must behave as the plain array whose leading slots are copied one to the left.
#include <gtest/gtest.h>

#include <algorithm>

#include "cpumonitor/slot_history.h"

namespace zv::cpumonitor {
namespace {

// The array the ring stands for: slot i - 1 <- slot i for i = 1..last, slots past the end skipped.
void ShiftModel(std::vector<float>& model, std::int64_t last) {
  for (std::int64_t i = 1; i <= last && i < static_cast<std::int64_t>(model.size()); ++i) {
    model[static_cast<std::size_t>(i - 1)] = model[static_cast<std::size_t>(i)];
  }
}

std::vector<float> Loads(const SlotHistory& history) {
  std::vector<float> loads;
  for (const SystemLevels& slot : history.Slots()) loads.push_back(slot.cpuLoadPercent);
  return loads;
}

// Ticks at one width, then resizes narrower, wider than the history, to nothing and back.
TEST(CpuMonitorHistory, ShiftsAsThePlainArrayDoesThroughResizes) {
  const std::int64_t lasts[] = {9, 9, 9,  9,  9, 9, 9, 9,  9, 9, 9,  9,  5,
                                5, 5, 14, 14, 9, 9, 0, -1, 1, 1, 10, 10, 9};
  SlotHistory history;
  history.Assign(11);
  std::vector<float> model(11, 0);
  float sample = 0;
  int step = 0;
  for (const std::int64_t last : lasts) {
    history.ShiftLeft(last);
    ShiftModel(model, last);
    const std::int64_t newest = last >= 1 ? last : 0;
    if (SystemLevels* slot = history.At(newest)) slot->cpuLoadPercent = ++sample;
    if (newest < static_cast<std::int64_t>(model.size())) model[static_cast<std::size_t>(newest)] = sample;
    ASSERT_EQ(Loads(history), model) << "step " << step << ", last " << last;
    ++step;
  }
}

// Copied rows must read as Row does, whichever slot the ring starts at and wherever the window ends.
TEST(CpuMonitorHistory, CopiedRowsReadAsRowInEveryRingState) {
  const std::int64_t lasts[] = {9, 9, 9, 9, 5, 5, 14, 9, 9, 0, 1, 10, 9};
  SlotHistory history;
  history.Assign(11);
  std::vector<std::int32_t> copied(6);
  history.CopyRows(0, 1, copied);
  EXPECT_EQ(copied, std::vector<std::int32_t>(6, kNoRow)) << "not plotted yet";
  float sample = 0;
  int step = 0;
  for (const std::int64_t last : lasts) {
    history.ShiftLeft(last);
    const std::int64_t newest = last >= 1 ? last : 0;
    if (SystemLevels* slot = history.At(newest)) slot->memoryLoadPercent = (sample += 7);
    history.Plot(newest, 100);
    for (std::int64_t first = -3; first <= 12; ++first) {
      for (std::size_t count : {0u, 1u, 4u, 11u, 16u}) {
        copied.assign(count, 0);
        history.CopyRows(first, 1, copied);
        for (std::size_t i = 0; i < count; ++i) {
          ASSERT_EQ(copied[i], history.Row(first + static_cast<std::int64_t>(i), 1))
              << "step " << step << ", from slot " << first << ", slot "
              << first + static_cast<std::int64_t>(i);
        }
      }
    }
    ++step;
  }
}

TEST(CpuMonitorHistory, BoundsAndReassignment) {
  SlotHistory history;
  EXPECT_EQ(history.At(0), nullptr);
  history.ShiftLeft(5);  // nothing to shift
  history.Assign(3);
  EXPECT_EQ(history.At(-1), nullptr);
  EXPECT_EQ(history.At(3), nullptr);
  history.At(2)->cpuLoadPercent = 7;
  history.ShiftLeft(2);
  EXPECT_EQ(history.At(1)->cpuLoadPercent, 7);
  EXPECT_EQ(history.At(2)->cpuLoadPercent, 7);  // the last slot keeps its record
  history.Assign(3);
  EXPECT_EQ(Loads(history), (std::vector<float>{0, 0, 0}));
}

TEST(CpuMonitorHistory, RowsArePlottedOncePerSampleAndAgainForANewHeight) {
  const struct {
    float value;
    int height;
    std::int32_t row;
  } rows[] = {
      {50, 41, 20},  // round(20.5) to even
      {100, 41, 0},
      {0, 41, 41},
      {-1, 41, 41},  // round(41.41): just below the picture
      {75, 41, 10},
      {25, 41, 31},
      {50, 20, 10},
      {1e30f, 41, kNoRow},
      {std::numeric_limits<float>::quiet_NaN(), 41, kNoRow},
  };
  for (const auto& r : rows) EXPECT_EQ(PlotRow(r.value, r.height), r.row) << r.value << " on " << r.height;

  SlotHistory history;
  history.Assign(3);
  EXPECT_EQ(history.Row(0, 1), kNoRow);  // not plotted yet
  history.At(1)->memoryLoadPercent = 50;
  history.Plot(1, 41);  // the first plot covers every slot
  EXPECT_EQ(history.Row(0, 1), 41);
  EXPECT_EQ(history.Row(1, 1), 20);
  history.At(2)->memoryLoadPercent = 100;
  history.Plot(2, 41);
  EXPECT_EQ(history.Row(2, 1), 0);
  history.ShiftLeft(2);  // rows move with their samples
  EXPECT_EQ(history.Row(0, 1), 20);
  EXPECT_EQ(history.Row(1, 1), 0);
  history.Plot(-1, 20);  // a new height replots them all
  EXPECT_EQ(history.Row(0, 1), 10);
  EXPECT_EQ(history.Row(3, 1), kNoRow);
  EXPECT_EQ(history.Row(0, 0), 20);  // the CPU series of a zero sample
}

}  // namespace
}  // namespace zv::cpumonitor
