// The status page's memory texts, refreshed from the latest snapshot.
#pragma once

#include "memory/memory_stats.h"
#include "platform/forms/controls.h"

namespace zv::memory {

struct MemoryLabels {
  forms::Label* usedPercent = nullptr;  // LabelMemoryUsedPercent
  forms::Label* all = nullptr;          // LabelMemoryAll
  forms::Label* left = nullptr;         // LabelMemoryLeft
};

// CollectMemoryStats, then the three captions in this order: percentage, total, available.
// A caption that did not change is not touched, so nothing is repainted.
void RefreshMemoryState(ModuleGetMemoryStats2018& stats, const MemoryLabels& labels);

}  // namespace zv::memory
