// Test doubles for the skinned button: a surface over an owned canvas with the stand-in font,
// a host that records property changes, and a rig that wires a button to both.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "command/command.h"
#include "command/property_bag.h"
#include "platform/canvas.h"
#include "platform/forms/hosted_control.h"
#include "platform/headless/headless_runtime.h"
#include "platform/host_text_renderer.h"

namespace zv::testing {

class FakeHostedSurface : public forms::HostedSurface {
 public:
  FakeHostedSurface(int width, int height) : pixels(width, height, &text) {}
  Canvas* GetCanvas() override { return &pixels.canvas(); }
  void Present() override { ++presents; }
  Point CursorInClient() override { return cursor; }
  void SetRegion(const std::vector<Rect>& removed) override {
    region = removed;
    ++regionsSet;
  }
  bool HasFocus() override { return focus; }
  void SendTab(bool backward) override { tabs.push_back(backward); }
  std::uintptr_t WindowHandle() override { return 0x4D2; }
  std::uintptr_t DeviceContext() override { return 0; }
  bool UserMode() override { return userMode; }

  Color At(int x, int y) const { return pixels.canvas().GetPixel(x, y); }

  HostTextRenderer text;
  OwnedCanvas pixels;
  Point cursor{-1, -1};
  std::vector<Rect> region;
  int regionsSet = 0;
  int presents = 0;
  bool focus = false;
  bool userMode = true;
  std::vector<bool> tabs;  // true for Shift+Tab
};

// System colours a test can change between calls, the classic defaults otherwise.
class AdjustableSystemColors : public forms::SystemColors {
 public:
  Color Get(int index) override {
    const auto found = overrides.find(index);
    return found != overrides.end() ? found->second : defaults.Get(index);
  }
  std::map<int, Color> overrides;

 private:
  headless::DefaultSystemColors defaults;
};

class RecordingCommandHost : public command::CommandHost {
 public:
  void PropertyChanged(std::string_view name) override { changed.emplace_back(name); }
  Font AmbientFont() override { return ambientFont; }
  std::string ExtenderName() override { return extenderName; }
  forms::SystemColors& Colors() override { return colors; }
  bool UserMode() override { return userMode; }

  AdjustableSystemColors colors;
  Font ambientFont{"Tahoma", 8.0};
  std::string extenderName = "CommandOK";
  bool userMode = true;
  std::vector<std::string> changed;
};

// A button on a surface of the given size. Load() reads the bag and runs the first resize,
// as the host does for an instance created from saved data.
struct CommandRig {
  explicit CommandRig(int width = 65, int height = 25) : surface(width, height) {
    button.AttachSurface(&surface);
  }

  void Load(const command::PropertyBag& bag = {}) {
    button.ReadProperties(bag);
    button.OnResize();
  }
  const Canvas& Pixels() const { return surface.pixels.canvas(); }

  RecordingCommandHost host;
  headless::VirtualClockTimers timers;
  FakeHostedSurface surface;
  command::Command button{"CommandOK", host, timers};
};

}  // namespace zv::testing
