// The monitor's published members: property identifiers, types, bag keys, set behaviour, descriptions.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/color.h"
#include "platform/forms/property_bag.h"

namespace zv::cpumonitor {

// Member identifiers of the late-bound interface.
namespace dispid {
constexpr std::uint32_t kDiagramStyle = 0x68030000;
constexpr std::uint32_t kScrollGrid = 0x68030001;
constexpr std::uint32_t kUpdateInterval = 0x68030002;
constexpr std::uint32_t kDisplayGridColor = 0x68030003;
constexpr std::uint32_t kDisplayGrid = 0x68030004;
constexpr std::uint32_t kEnabled = 0x68030005;
constexpr std::uint32_t kVirtualMemoryColor = 0x68030006;
constexpr std::uint32_t kPageFileColor = 0x68030007;
constexpr std::uint32_t kMemoryLoadColor = 0x68030008;
constexpr std::uint32_t kHDMonitorColor = 0x68030009;
constexpr std::uint32_t kHDDriveLetter = 0x6803000A;
constexpr std::uint32_t kHDMonitorDisplayed = 0x6803000B;
constexpr std::uint32_t kMemoryLoadDisplayed = 0x6803000C;
constexpr std::uint32_t kCPUMonitorColor = 0x6803000D;
constexpr std::uint32_t kVirtualMemoryDisplayed = 0x6803000E;
constexpr std::uint32_t kPageFileDisplayed = 0x6803000F;
constexpr std::uint32_t kCPUMonitorDisplayed = 0x68030010;
constexpr std::uint32_t kHWnd = 0x68030011;
constexpr std::uint32_t kHdc = 0x68030012;
constexpr std::uint32_t kBorderStyle = 0x68030013;
constexpr std::uint32_t kAppearance = 0x68030014;
constexpr std::uint32_t kBackColor = 0x68030015;
constexpr std::uint32_t kRefresh = 0x60030016;
constexpr std::uint32_t kReset = 0x60030017;
constexpr std::uint32_t kFormatFilesize = 0x60030027;
constexpr std::uint32_t kGetCurrentSystemLevels = 0x60030028;
}  // namespace dispid

enum class DiagramStyle : std::int32_t { kLines = 0, kDots = 1, kBars = 2 };

// The disk series is drawn in this colour whatever HDMonitorColor holds.
constexpr Color kDiskSeriesColor = 0xFF80FF;

enum class PropertyKind { kColor, kBoolean, kInteger16, kInteger32, kMilliseconds, kText, kHandle };

class CpuMonitor;

// How a set ended: the value did not convert, converted but changes nothing, or was stored.
enum class StoreResult { kNotConverted, kIgnored, kStored };

// One row per property: what is published, how it is saved, and where its value lives. Everything a
// property does (bag reading and writing, late-bound get and set, the redraw and the notified key)
// follows from its row, so a new property is one new row.
struct MonitorProperty {
  struct Access {
    forms::SavedValue (*get)(const CpuMonitor&);  // as a get returns it
    // A set's own rule (store, or the timer's period, or the drive's form); null when read-only.
    StoreResult (*store)(CpuMonitor&, const forms::SavedValue&);
    forms::SavedValue (*saved)(const CpuMonitor&);  // the value written to the bag; null when not saved
    // The bag's value into the stored or staged value: no redraw, no notification; false when it does not
    // convert.
    bool (*read)(CpuMonitor&, const forms::SavedValue&);
  };

  std::string_view name;
  std::uint32_t id;
  PropertyKind kind;
  std::string_view bagKey;         // also the key a set notifies; empty for the two handles
  bool redraws;                    // a set runs DrawGraph
  std::string_view description;    // empty where none is published
  int writeOrder;                  // place among the saved keys as written; -1 when not saved
  int readOrder;                   // place among the saved keys as read; -1 when not saved
  forms::SavedValue defaultValue;  // a new instance's value, and the one the bag leaves out
  Access access;

  bool settable() const { return access.store != nullptr; }
  bool saved() const { return access.saved != nullptr; }
};

// Every property, in the order they are published.
std::span<const MonitorProperty> MonitorProperties();

struct MonitorMethod {
  std::string_view name;
  std::uint32_t id;
  std::string_view description;
};

inline constexpr auto kMonitorMethods = std::to_array<MonitorMethod>({
    {"Refresh", dispid::kRefresh, "Forces a complete repaint of a object."},
    {"Reset", dispid::kReset, ""},
    {"FormatFilesize", dispid::kFormatFilesize, ""},
    {"GetCurrentSystemLevels", dispid::kGetCurrentSystemLevels, ""},
});

// Null when no property has the name (matched exactly) or the identifier.
const MonitorProperty* FindMonitorProperty(std::string_view name);
const MonitorProperty* FindMonitorProperty(std::uint32_t id);

}  // namespace zv::cpumonitor
