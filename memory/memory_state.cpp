// Refresh of the status page's memory texts.
#include "memory/memory_state.h"

namespace zv::memory {

void RefreshMemoryState(ModuleGetMemoryStats2018& stats, const MemoryLabels& labels) {
  stats.CollectMemoryStats();
  if (labels.usedPercent != nullptr) labels.usedPercent->SetCaption(stats.MemoryLoadText());
  if (labels.all != nullptr) labels.all->SetCaption(stats.MemoryTotalText());
  if (labels.left != nullptr) labels.left->SetCaption(stats.MemoryAvailText());
}

}  // namespace zv::memory
