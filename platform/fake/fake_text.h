// Small text helpers the fakes share: ASCII case folding and hexadecimal numbers for call logs.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace zv::platform::faketext {

// The platform folds every letter; names in this program are ASCII, so ASCII folding matches it.
inline std::string Fold(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

inline std::string Hex(std::uint64_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof(buffer), "0x%llx", static_cast<unsigned long long>(value));
  return buffer;
}

}  // namespace zv::platform::faketext
