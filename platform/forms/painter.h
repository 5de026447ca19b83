// Paints a container's surface: its background and the windowless controls on it.
#pragma once

#include "platform/canvas.h"
#include "platform/forms/container.h"
#include "platform/forms/runtime.h"

namespace zv::forms {

// What painting looks up: the pictures by name and the system colours.
struct PaintServices {
  PictureSource& pictures;
  SystemColors& colors;
};

// Draws into the canvas (the size of the container's client area) what lies inside dirty:
// the background picture or colour, then every visible label, image and shape in order.
void PaintSurface(const Container& surface, Canvas& canvas, const PaintServices& services, Rect dirty);

// The DrawText format a label uses for its caption.
unsigned LabelTextFormat(bool autoSize, int alignment);

}  // namespace zv::forms
