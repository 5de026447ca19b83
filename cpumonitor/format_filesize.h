// A byte count as text in B, K, MB or GB, with the user's thousands separator and decimal point.
#pragma once

#include <string>
#include <string_view>

namespace zv::cpumonitor {

// Up to 1,024 "#,##0 B"; below 1,048,576 "###,###,##0 K" of 1,024; below 1,073,741,824
// "###,###,##0.00 MB" of 1,048,576 (exactly 1,048,576 is 1.00 MB); beyond that "###,###,##0.00 GB".
// Rounded halves to even at the pattern's last place.
std::string FormatFilesize(double value, std::string_view thousandsSeparator,
                           std::string_view decimalSeparator);

}  // namespace zv::cpumonitor
