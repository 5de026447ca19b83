// Fuzz target of the settings number conversion: any bytes in, never a crash, nothing accepted outside
// the decimal grammar, and every short decimal agrees with a floating-point reference rounded half to even.
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "memory/text_to_number.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The accepted grammar, written apart from the code under test: blanks, one optional sign, digits
// with at most one point and at least one digit, blanks.
struct Shape {
  bool valid = false;
  int wholeDigits = 0;
  int fractionDigits = 0;
  std::string_view number;  // without the blanks
};

Shape Parse(std::string_view text) {
  Shape shape;
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return shape;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  bool point = false;
  for (std::size_t i = (text[0] == '+' || text[0] == '-') ? 1 : 0; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      ++(point ? shape.fractionDigits : shape.wholeDigits);
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return shape;
    }
  }
  shape.valid = shape.wholeDigits + shape.fractionDigits > 0;
  shape.number = text;
  return shape;
}

void Fail(std::string_view text, const char* why) {
  std::fprintf(stderr, "TextToWholeNumber(\"%.*s\"): %s\n", static_cast<int>(text.size()), text.data(), why);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> value = zv::memory::TextToWholeNumber(text);
  const Shape shape = Parse(text);
  if (!shape.valid) {
    if (value) Fail(text, "accepted a text outside the grammar");
    return 0;
  }
  // With at most 9 whole and 6 fraction digits a double holds the value exactly or too far from a
  // half to matter, and the result is in range.
  if (shape.wholeDigits > 9 || shape.fractionDigits > 6) return 0;
  if (!value) Fail(text, "refused a short decimal");
  std::fesetround(FE_TONEAREST);
  const double reference = std::nearbyint(std::strtod(std::string(shape.number).c_str(), nullptr));
  if (static_cast<double>(*value) != reference) Fail(text, "disagrees with the reference");
  return 0;
}
