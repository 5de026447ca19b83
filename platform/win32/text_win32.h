// UTF-8 (inside the program) to UTF-16 (the wide Windows functions) and back.
#pragma once

#include <string>
#include <string_view>

namespace zv::platform {

// Invalid UTF-8 becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);

}  // namespace zv::platform
