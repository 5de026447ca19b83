// The monitor's published members: property identifiers, types, bag keys, set behaviour, descriptions.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/color.h"

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

struct MonitorProperty {
  std::string_view name;
  std::uint32_t id;
  PropertyKind kind;
  bool settable;
  std::string_view bagKey;       // also the key a set notifies; empty for the two handles
  bool redraws;                  // a set runs DrawGraph
  std::string_view description;  // empty where none is published
};

inline constexpr auto kMonitorProperties = std::to_array<MonitorProperty>({
    {"BackColor", dispid::kBackColor, PropertyKind::kColor, true, "BackColor", true,
     "Returns/sets the background color used to display text and graphics in an object."},
    {"Appearance", dispid::kAppearance, PropertyKind::kInteger16, true, "Appearance", true,
     "Returns/sets whether or not an object is painted at run time with 3-D effects."},
    {"BorderStyle", dispid::kBorderStyle, PropertyKind::kInteger16, true, "BorderStyle", true,
     "Returns/sets the border style for an object."},
    {"hdc", dispid::kHdc, PropertyKind::kHandle, false, "", false,
     "Returns a handle (from Microsoft Windows) to the object's device context."},
    {"hWnd", dispid::kHWnd, PropertyKind::kHandle, false, "", false,
     "Returns a handle (from Microsoft Windows) to an object's window."},
    {"CPUMonitorDisplayed", dispid::kCPUMonitorDisplayed, PropertyKind::kBoolean, true, "CPUMonitorDisplayed",
     true, "Set/Return a value that determines whether the CPU Level is displayed"},
    {"PageFileDisplayed", dispid::kPageFileDisplayed, PropertyKind::kBoolean, true, "PageFileDisplayed", true,
     "Set/Return a value that determines whether the Available PageFile Level is displayed"},
    {"VirtualMemoryDisplayed", dispid::kVirtualMemoryDisplayed, PropertyKind::kBoolean, true,
     "VirtualMemoryDisplayed", true,
     "Set/Return a value that determines whether the Virtual Memory level is displayed"},
    {"CPUMonitorColor", dispid::kCPUMonitorColor, PropertyKind::kColor, true, "CPUMonitorColor", true,
     "Return/Set the color to use to display the CPU Level"},
    {"MemoryLoadDisplayed", dispid::kMemoryLoadDisplayed, PropertyKind::kBoolean, true, "MemoryLoadDisplayed",
     true, "Set/Return a value that determines whether the Available Memory is displayed"},
    {"HDMonitorDisplayed", dispid::kHDMonitorDisplayed, PropertyKind::kBoolean, true, "HDMonitorDisplayed",
     true, ""},
    {"HDDriveLetter", dispid::kHDDriveLetter, PropertyKind::kText, true, "HDDriveLetter", false, ""},
    {"HDMonitorColor", dispid::kHDMonitorColor, PropertyKind::kColor, true, "HDMonitorColor", false, ""},
    // Saved and notified under a shorter key than its name.
    {"MemoryLoadColor", dispid::kMemoryLoadColor, PropertyKind::kColor, true, "MemoryColor", true,
     "Return/Set the color to use to display the level of Available Memory "},
    {"PageFileColor", dispid::kPageFileColor, PropertyKind::kColor, true, "PageFileColor", true,
     "Return/Set the color to use to display the level of Available PageFile"},
    {"VirtualMemoryColor", dispid::kVirtualMemoryColor, PropertyKind::kColor, true, "VirtualMemoryColor",
     true, "Return/Set the color to use to display the level of Available Virtual Memory"},
    {"Enabled", dispid::kEnabled, PropertyKind::kBoolean, true, "Enabled", true,
     "Returns/sets a value that determines whether an object can respond to user-generated events."},
    {"DisplayGrid", dispid::kDisplayGrid, PropertyKind::kBoolean, true, "DisplayGrid", true, ""},
    {"DisplayGridColor", dispid::kDisplayGridColor, PropertyKind::kColor, true, "DisplayGridColor", true, ""},
    {"UpdateInterval", dispid::kUpdateInterval, PropertyKind::kMilliseconds, true, "UpdateInterval", false,
     ""},
    {"ScrollGrid", dispid::kScrollGrid, PropertyKind::kBoolean, true, "ScrollGrid", true, ""},
    {"DiagramStyle", dispid::kDiagramStyle, PropertyKind::kInteger32, true, "DiagramStyle", true, ""},
});

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
