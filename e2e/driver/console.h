// Writes the driver's results and errors as UTF-8 bytes, exactly as given.
#pragma once

#include <string_view>

namespace zv::e2e {

void WriteOut(std::string_view text);
void WriteError(std::string_view text);

}  // namespace zv::e2e
