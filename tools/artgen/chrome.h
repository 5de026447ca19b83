// Small pieces of the windows: the minimise and close buttons, section headers, the mini window's bar.
#pragma once

#include <string_view>

#include "tools/artgen/image.h"
#include "tools/artgen/text.h"

namespace zv::artgen {

enum class ButtonState { kNormal, kHover, kPressed };

// Drawn over the part of the skin the button covers, so that it blends in.
Image DrawMinimiseButton(const Image& skin, ButtonState state);
Image DrawCloseButton(const Image& skin, ButtonState state);

// A header of the status page on white: a blue marker, the words, a fading rule.
Image DrawSectionHeader(std::string_view words, const Typeface& font);

// The about page's logo on white.
Image DrawAboutLogo();

// The mini window's background: a blue bar, lighter at the top.
Image DrawTipBackground();

}  // namespace zv::artgen
