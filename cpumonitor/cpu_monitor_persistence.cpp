// The monitor's saved values: a new instance, reading and writing the property bag, each in the order
// the property table gives.
#include <algorithm>
#include <vector>

#include "cpumonitor/cpu_monitor.h"

namespace zv::cpumonitor {
namespace {

// The saved properties, sorted by one of their order columns.
std::vector<const MonitorProperty*> SavedInOrder(int MonitorProperty::*order) {
  std::vector<const MonitorProperty*> saved;
  for (const MonitorProperty& property : MonitorProperties())
    if (property.saved()) saved.push_back(&property);
  std::sort(saved.begin(), saved.end(),
            [order](const MonitorProperty* a, const MonitorProperty* b) { return a->*order < b->*order; });
  return saved;
}

const std::vector<const MonitorProperty*>& ReadOrder() {
  static const std::vector<const MonitorProperty*> order = SavedInOrder(&MonitorProperty::readOrder);
  return order;
}

const std::vector<const MonitorProperty*>& WriteOrder() {
  static const std::vector<const MonitorProperty*> order = SavedInOrder(&MonitorProperty::writeOrder);
  return order;
}

}  // namespace

void CpuMonitor::ReadDefaults() {
  for (const MonitorProperty* property : ReadOrder()) property->access.read(*this, property->defaultValue);
}

void CpuMonitor::InitProperties() {
  ReadDefaults();
  settings_.hdDriveLetter = support_.GetWindowsFolder().substr(0, 3);
  appearance_ = stagedAppearance_;
  borderStyle_ = stagedBorderStyle_;
  surfaceBackColor_ = backColor_;
  DrawGraph();
}

void CpuMonitor::ReadProperties(const forms::PropertyBag& bag) {
  for (const MonitorProperty* property : ReadOrder()) {
    // A value that does not convert is skipped.
    property->access.read(*this, bag.Read(property->bagKey, property->defaultValue));
  }
  InitializeMonitor();
}

void CpuMonitor::WriteProperties(forms::PropertyBag& bag) const {
  for (const MonitorProperty* property : WriteOrder())
    bag.Write(property->bagKey, property->access.saved(*this), property->defaultValue);
}

}  // namespace zv::cpumonitor
