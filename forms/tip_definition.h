// The mini status window's definition: a 110 × 27 strip with the load percentage.
#pragma once

#include "platform/forms/definition.h"

namespace zv::definitions {

const forms::FormDefinition& FormTipDefinition();

}  // namespace zv::definitions
