// FormTip as data: borderless, no taskbar button, two labels over the background bar and the mirror timer.
#include "forms/tip_definition.h"

#include <string>

#include "platform/geometry.h"

namespace zv::definitions {

using namespace forms;  // the window model the definitions are written in
namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kLightYellow = 0x80FFFF;

ControlDefinition StripLabel(std::string name, int left, int width, std::string caption, Color color) {
  return {.kind = ControlKind::Label,
          .name = std::move(name),
          .left = left,
          .top = PixelsToTwips(6),
          .width = width,
          .height = PixelsToTwips(15),
          .caption = std::move(caption),
          .foreColor = color,
          .font = Font{.face = "Arial", .points = 9, .charset = kCharsetDefault},
          .transparent = true,
          .autoSize = true};
}

FormDefinition Build() {
  FormDefinition d{.name = "FormTip",
                   .caption = "Quistel Memory Optimizer",
                   .clientSize = {110, 27},
                   .picture = "tip_background",
                   .border = FormBorder::None,
                   .showInTaskbar = false,
                   .font = Font{.face = "Arial", .points = 9, .charset = kCharsetDefault}};
  d.controls.push_back(StripLabel("LabelUsage", PixelsToTwips(8), PixelsToTwips(72), "内存使用率：", kWhite));
  // 80.67 pixels: the design position is in twips.
  d.controls.push_back(StripLabel("LabelMemoryUsedPercent", 1210, PixelsToTwips(25), "30%", kLightYellow));
  d.timers.push_back({.name = "TimerSame", .interval = 100, .enabled = true});
  return d;
}

}  // namespace

const FormDefinition& FormTipDefinition() {
  static const FormDefinition definition = Build();
  return definition;
}

}  // namespace zv::definitions
