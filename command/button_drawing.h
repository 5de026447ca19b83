// Paints the whole skinned button from scratch: face, frame, marks and caption for its look,
// state (normal, hover, pressed, disabled) and focus.
#pragma once

#include <cstdint>

#include "command/command_state.h"
#include "platform/canvas.h"

namespace zv::command {

struct PaintConditions {
  std::uint8_t state = kStateNormal;  // kStateNormal or kStatePressed; others draw only the face colour
  bool enabled = true;
  bool displayAsDefault = false;  // the container shows this button as its default button
};

// Paints on a canvas of state.width × state.height pixels. Writes the tops of the two caption
// rectangles when a caption wraps; reads everything else.
void PaintButton(Canvas& canvas, const CommandProperties& properties, const CommandPalette& palette,
                 CommandState& state, const PaintConditions& conditions);

}  // namespace zv::command
