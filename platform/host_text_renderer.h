// Deterministic stand-in font for unit tests and host tools, laid out with DrawText's rules:
// every glyph is a solid box whose size depends only on the font's pixel height.
#pragma once

#include <string_view>

#include "platform/canvas.h"
#include "platform/font.h"

namespace zv {

// Metrics, with h = font.PixelHeight() and b = 1 for a bold font (weight >= 700), else 0:
// - line height h;
// - printable ASCII ceil(h / 2) + b wide, any other code point (UTF-8 decoded) h + b wide;
// - a tab 8 × (ceil(h / 2) + b) with kExpandTabs, else one ASCII width; CR and LF no width.
// Drawing: each glyph but a space, a tab or a control character is a box from the left of its
// cell to one pixel short of its right, rows 2 to h − 3 of its line; an underline (the font's,
// or an "&"-prefixed character's) fills row h − 1 across the whole cell. Output is clipped to
// the layout rectangle and the surface.
class HostTextRenderer final : public TextRenderer {
 public:
  TextExtent Measure(const Font& font, std::string_view utf8, unsigned flags) override;
  void Draw(Canvas& canvas, const Font& font, Color color, std::string_view utf8, Rect rect,
            unsigned flags) override;
};

}  // namespace zv
