// Saved values of one instance kept in memory, in the order they were first written.
#include "cpumonitor/property_bag.h"

#include <algorithm>

namespace zv::cpumonitor {
PropertyValue MemoryPropertyBag::Read(std::string_view key, const PropertyValue& defaultValue) {
  reads.emplace_back(key);
  const PropertyValue* stored = Find(key);
  return stored ? *stored : defaultValue;
}

void MemoryPropertyBag::Write(std::string_view key, const PropertyValue& value,
                              const PropertyValue& defaultValue) {
  writes.emplace_back(key);
  if (value == defaultValue) {
    std::erase_if(entries_, [&](const auto& entry) { return KeysMatch(entry.first, key); });
    return;
  }
  Set(key, value);
}

void MemoryPropertyBag::Set(std::string_view key, PropertyValue value) {
  for (auto& entry : entries_) {
    if (KeysMatch(entry.first, key)) {
      entry.second = std::move(value);
      return;
    }
  }
  entries_.emplace_back(std::string(key), std::move(value));
}

const PropertyValue* MemoryPropertyBag::Find(std::string_view key) const {
  for (const auto& entry : entries_) {
    if (KeysMatch(entry.first, key)) return &entry.second;
  }
  return nullptr;
}

}  // namespace zv::cpumonitor
