// Settings text to a whole number: decimal, blanks around it ignored, a fraction rounded half to even.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zv::memory {

// "1" -> 1, " 2 " -> 2, "2.5" -> 2, "1.5" -> 2, "0.51" -> 1, "-0.5" -> 0, "+1" -> 1, ".5" -> 0, "3." -> 3.
// Accepts one optional sign, decimal digits and at most one decimal point, with spaces and tabs around
// them; nullopt for anything else ("", "1e3", "1,000", "0x1", "7 分钟", "- 1") and for a result outside
// the 32-bit range. Exact for any number of digits: no floating point is involved.
std::optional<std::int32_t> TextToWholeNumber(std::string_view text);

}  // namespace zv::memory
