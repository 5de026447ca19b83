// A skinned button as its host builds it: a recording host, its saved values read, then the
// headless surface of the given size attached (which sends the first resize).
#pragma once

#include <cassert>
#include <optional>

#include "command/command.h"
#include "platform/fake/recording_control_host.h"
#include "platform/forms/controls.h"
#include "platform/forms/property_bag.h"
#include "platform/headless/headless_surface.h"
#include "platform/host_text_renderer.h"

namespace zv::testing {

using forms::PropertyBag;

// The button sits on a page whose font (Tahoma 8) is the button's ambient font.
struct CommandRig {
  explicit CommandRig(int width = 65, int height = 25) {
    page.SetFont(Font{"Tahoma", 8.0});
    button.Move(0, 0, width * kTwipsPerPixel, height * kTwipsPerPixel);
  }

  void Load(const PropertyBag& bag = {}) {
    button.ReadProperties(bag);
    Attach();
  }
  // The window appears: the surface attaches and resizes the button.
  void Attach() {
    if (!attached) attached.emplace(button, text);
  }
  headless::HeadlessSurface& surface() {
    assert(attached);
    return *attached;
  }
  const Canvas& Pixels() const {
    assert(attached);
    return *const_cast<headless::HeadlessSurface&>(*attached).GetCanvas();
  }

  platform::RecordingControlHost host;
  HostTextRenderer text;
  forms::PictureBox page{"PictureState"};
  command::Command& button = page.Add<command::Command>("CommandOK", host);
  std::optional<headless::HeadlessSurface> attached;
};

}  // namespace zv::testing
