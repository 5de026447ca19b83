// The button's palette from its colour scheme, and its access key from its caption.
#pragma once

#include <string>
#include <string_view>

#include "command/command_state.h"
#include "platform/forms/runtime.h"

namespace zv::command {

// Sets the six palette colours from ColorScheme, reading the system colours now. The classic
// scheme also replaces the four Office XP colours, and the system scheme the six gradient
// colours of look 4 (with greys).
void UpdatePalette(CommandProperties& properties, CommandPalette& palette, forms::SystemColors& colors);

// The blue gradient set and band of look 4, which choosing that look puts in place.
void ApplyGlossyBlueSet(CommandProperties& properties);

// The character after the first "&" (or, when that one is doubled, after the next "&"),
// lower-cased; empty when there is none. Characters are UTF-8 code points.
std::string AccessKeyOf(std::string_view caption);

}  // namespace zv::command
