// The main window's definition: its skin, pages and controls.
#pragma once

#include <string_view>

#include "platform/forms/definition.h"

namespace zv::definitions {

// The product's home page, shown by the two links and opened by them.
inline constexpr std::string_view kHomePageAddress = "https://www.zorvane.com";

const forms::FormDefinition& FormVelkanDefinition();

}  // namespace zv::definitions
