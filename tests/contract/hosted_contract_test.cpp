// Self-drawn controls as their host places them: the strip chart's drawing area once its saved values
// are read, a saved Enabled against the window definition's, and the chart as the last tab stop.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "command/command.h"
#include "cpumonitor/cpu_monitor.h"
#include "platform/fake/fake_memory_status.h"
#include "platform/fake/fake_regional_settings.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_system_counters.h"
#include "platform/forms/keys.h"
#include "platform/forms/run_mode_host.h"
#include "tests/contract/contract_backend.h"

namespace zv::contract {
namespace {

constexpr const char* kMonitorClass = "Zorvane.CpuMonitor";
constexpr const char* kCommandClass = "Zorvane.Command";

// The status page's chart, 411 x 41, with the given saved look, and a skinned button before it.
forms::FormDefinition ChartForm(std::vector<forms::SavedProperty> saved, bool chartDefinedEnabled = true) {
  forms::FormDefinition d{.name = "FormChart",
                          .caption = "Chart",
                          .clientSize = {440, 120},
                          .border = forms::FormBorder::FixedSingle};
  d.controls.push_back({.kind = forms::ControlKind::PictureBox,
                        .name = "PictureState",
                        .width = PixelsToTwips(440),
                        .height = PixelsToTwips(120),
                        .font = Font{.face = "Arial", .points = 9}});
  d.controls.push_back({.kind = forms::ControlKind::Hosted,
                        .name = "CommandFreeMemory",
                        .parent = "PictureState",
                        .left = PixelsToTwips(10),
                        .top = PixelsToTwips(70),
                        .width = PixelsToTwips(113),
                        .height = PixelsToTwips(33),
                        .tabIndex = 0,
                        .hostedType = kCommandClass,
                        .saved = {{"caption", std::string("释放内存")}}});
  d.controls.push_back({.kind = forms::ControlKind::Hosted,
                        .name = "CpuMonitor",
                        .parent = "PictureState",
                        .left = PixelsToTwips(10),
                        .top = PixelsToTwips(10),
                        .width = PixelsToTwips(411),
                        .height = PixelsToTwips(41),
                        .enabled = chartDefinedEnabled,
                        .tabIndex = 1,
                        .hostedType = kMonitorClass,
                        .saved = std::move(saved)});
  return d;
}

class HostedContractTest : public ::testing::Test {
 protected:
  forms::Form& Open(const forms::FormDefinition& definition) {
    return backend->Open(
        definition,
        [this](const forms::ControlDefinition& d, forms::Container& parent) -> forms::HostedControl* {
          if (d.hostedType == kCommandClass) return &parent.Add<command::Command>(d.name, host, d.index);
          if (d.hostedType == kMonitorClass) {
            monitor = &parent.Add<cpumonitor::CpuMonitor>(d.name, host, support, regional, d.index);
            return monitor;
          }
          return nullptr;
        });
  }

  std::unique_ptr<ContractBackend> backend = MakeContractBackend();
  forms::RunModeHost host{*backend->Runtime().colors, *backend->Runtime().timers};
  platform::FakeSystemCounters counters;
  platform::FakeMemoryStatus memory;
  platform::FakeRegistry registry;
  platform::FakeRegionalSettings regional;
  cpumonitor::ModuleCpuMonitorSupport support{{counters, memory, registry, *backend->Runtime().messages}};
  cpumonitor::CpuMonitor* monitor = nullptr;
};

// The surface is the control's whole size; the drawing area inside it is what the saved border
// leaves, and the first slot never sampled is its last column.
TEST_F(HostedContractTest, TheChartsDrawingAreaFollowsItsSavedBorder) {
  const struct {
    std::int16_t appearance, borderStyle;
    std::int32_t lastEmpty;
    Color corner;  // the surface's top-left pixel: the grid's frame, a black line or the sunken edge
  } cases[] = {{0, 0, 410, 0xC0C0C0}, {0, 1, 408, 0x000000}, {1, 1, 406, 0x808080}, {1, 0, 410, 0xC0C0C0}};
  for (const auto& c : cases) {
    Open(ChartForm({{"displaygridcolor", std::int32_t{0xC0C0C0}},
                    {"backcolor", std::int32_t{0xFFFFFF}},
                    {"appearance", c.appearance},
                    {"borderstyle", c.borderStyle}}));
    const std::string label = std::to_string(c.appearance) + "/" + std::to_string(c.borderStyle);
    ASSERT_NE(monitor, nullptr);
    ASSERT_NE(monitor->Surface(), nullptr) << label;
    const Canvas* surface = monitor->Surface()->GetCanvas();
    ASSERT_NE(surface, nullptr) << label;
    EXPECT_EQ(surface->Width(), 411) << label;
    EXPECT_EQ(surface->Height(), 41) << label;
    EXPECT_EQ(monitor->LastEmptyIndex(), c.lastEmpty) << label;
    EXPECT_EQ(surface->GetPixel(0, 0), c.corner) << label;
  }
}

// The definition places and enables a self-drawn control; its own saved Enabled has the last word,
// on the model and on the window.
TEST_F(HostedContractTest, ASavedEnabledIsKept) {
  const struct {
    std::vector<forms::SavedProperty> saved;
    bool definedEnabled;
    bool enabled;
  } cases[] = {
      {{{"enabled", false}}, true, false},
      {{}, true, true},
      {{{"Enabled", true}}, false, true},
  };
  for (const auto& c : cases) {
    Open(ChartForm(c.saved, c.definedEnabled));
    EXPECT_EQ(monitor->Enabled(), c.enabled) << c.saved.size() << " saved, defined " << c.definedEnabled;
    EXPECT_EQ(backend->ShownEnabled(*monitor), c.enabled)
        << c.saved.size() << " saved, defined " << c.definedEnabled;
  }
}

// On a screen of another dpi the window, a platform control and the chart take their twips at that dpi,
// the platform control its font's points, and the chart samples into its new rightmost column.
TEST_F(HostedContractTest, AMoveToAnotherDpiLaysTheWindowOutAgain) {
  forms::FormDefinition definition = ChartForm({{"borderstyle", std::int16_t{0}}});
  definition.controls.push_back({.kind = forms::ControlKind::CheckBox,
                                 .name = "CheckAutoRun",
                                 .parent = "PictureState",
                                 .left = PixelsToTwips(200),
                                 .top = PixelsToTwips(70),
                                 .width = PixelsToTwips(120),
                                 .height = PixelsToTwips(17),
                                 .caption = "开机自启动",
                                 .font = Font{.face = "Arial", .points = 9},
                                 .tabIndex = 2});
  forms::Form& form = Open(definition);
  forms::Control& box = *form.Find("CheckAutoRun");
  const int fontAt96 = backend->ShownFontHeight(box);
  backend->MoveToDpi(form, 144);
  EXPECT_EQ(backend->ShownClientSize(form), (Size{660, 180}));
  EXPECT_EQ(backend->ShownBounds(*monitor), (Rect{15, 15, 632, 77}));
  EXPECT_EQ(backend->ShownBounds(box), (Rect{300, 105, 480, 131}));
  if (fontAt96 != 0) {
    EXPECT_EQ(fontAt96, -12);
    EXPECT_EQ(backend->ShownFontHeight(box), -18);
  }
  ASSERT_NE(monitor->Surface()->GetCanvas(), nullptr);
  EXPECT_EQ(monitor->Surface()->GetCanvas()->Width(), 617);
  EXPECT_EQ(monitor->LastEmptyIndex(), 616);
}

// The chart is the last stop of the tab order: Tab from the button reaches it, and Tab again wraps.
TEST_F(HostedContractTest, TabReachesTheChart) {
  forms::Form& form = Open(ChartForm({}));
  backend->Focus(*form.Find("CommandFreeMemory"));
  backend->PressKey(forms::key::kTab);
  EXPECT_EQ(backend->FocusedName(), "CpuMonitor");
  backend->PressKey(forms::key::kTab);
  EXPECT_EQ(backend->FocusedName(), "CommandFreeMemory");
}

}  // namespace
}  // namespace zv::contract
