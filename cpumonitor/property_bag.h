// Saved values of one instance kept in memory, in the order they were first written.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cpumonitor/monitor_host.h"

namespace zv::cpumonitor {

class MemoryPropertyBag final : public PropertyBag {
 public:
  PropertyValue Read(std::string_view key, const PropertyValue& defaultValue) override;
  void Write(std::string_view key, const PropertyValue& value, const PropertyValue& defaultValue) override;

  // Stores a value as it stands, defaults included (seeding a bag as a host's saved data would).
  void Set(std::string_view key, PropertyValue value);
  const PropertyValue* Find(std::string_view key) const;
  const std::vector<std::pair<std::string, PropertyValue>>& Entries() const { return entries_; }

  // Every key asked for by Read and every key passed to Write, in call order.
  std::vector<std::string> reads;
  std::vector<std::string> writes;

 private:
  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

}  // namespace zv::cpumonitor
