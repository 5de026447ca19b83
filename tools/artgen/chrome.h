// Small pieces of the windows: the minimise and close buttons, section headers, the mini window's bar.
#pragma once

#include <string_view>

#include "tools/artgen/image.h"
#include "tools/artgen/scale.h"
#include "tools/artgen/text.h"

namespace zv::artgen {

enum class ButtonState { kNormal, kHover, kPressed };

// Drawn over the part of the skin (drawn at the same scale) that the button covers, so that it blends in.
Image DrawMinimiseButton(const Image& skin, ButtonState state, Scale scale = Scale());
Image DrawCloseButton(const Image& skin, ButtonState state, Scale scale = Scale());

// A header of the status page on white: a blue marker, the words, a fading rule.
Image DrawSectionHeader(std::string_view words, const Typeface& font, Scale scale = Scale());

// The about page's logo on white.
Image DrawAboutLogo(Scale scale = Scale());

// The mini window's background: a blue bar, lighter at the top.
Image DrawTipBackground(Scale scale = Scale());

}  // namespace zv::artgen
