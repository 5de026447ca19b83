// Palette and access key of the skinned button.
#include "command/palette.h"

#include <vector>

#include "command/drawing_primitives.h"

namespace zv::command {
namespace {

void ApplyClassicScheme(CommandProperties& p, CommandPalette& palette) {
  palette.darkShadow = 0;
  palette.text = 0;
  palette.face = Rgb(192, 192, 192);
  palette.shadow = Rgb(128, 128, 128);
  palette.light = Rgb(223, 223, 223);
  palette.highlight = Rgb(255, 255, 255);
  p.officeXpFillColor = Rgb(236, 233, 216);
  p.officeXpFrameColor = Rgb(172, 169, 154);
  p.officeXpMousemoveFillColor = Rgb(193, 210, 238);
  p.officeXpMousemoveFrameColor = Rgb(49, 105, 198);
}

void ApplySystemScheme(CommandProperties& p, CommandPalette& palette, forms::SystemColors& colors) {
  palette.face = colors.Get(syscolor::kButtonFace);
  palette.shadow = colors.Get(syscolor::kButtonShadow);
  palette.light = colors.Get(syscolor::kLight3D);
  palette.darkShadow = colors.Get(syscolor::kDarkShadow3D);
  palette.highlight = colors.Get(syscolor::kButtonHighlight);
  palette.text = p.foreColor;
  if (p.buttonType != look::kGlossy) return;
  p.midColor = Rgb(197, 197, 197);
  p.endColor = Rgb(238, 238, 238);
  p.mouseMoveMidColor = Rgb(123, 167, 211);
  p.mouseMoveEndColor = Rgb(210, 245, 251);
  p.mouseDownMidColor = Rgb(227, 167, 105);
  p.mouseDownEndColor = Rgb(252, 220, 199);
}

// Splits UTF-8 text into its code points' byte sequences; a stray byte counts as one character.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + length > text.size()) length = 1;
    characters.push_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

std::string LowerCased(std::string_view character) {
  std::string key(character);
  if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') key[0] = static_cast<char>(key[0] - 'A' + 'a');
  return key;
}

}  // namespace

void UpdatePalette(CommandProperties& p, CommandPalette& palette, forms::SystemColors& colors) {
  switch (p.colorScheme) {
    case scheme::kCustom:
      palette.text = p.foreColor;
      palette.face = p.backColor;
      palette.shadow = ShiftColor(p.backColor, -64, false);
      palette.light = ShiftColor(p.backColor, 31, false);
      palette.highlight = ShiftColor(p.backColor, 47, false);
      palette.darkShadow = ShiftColor(p.backColor, -192, false);
      break;
    case scheme::kClassic:
      ApplyClassicScheme(p, palette);
      break;
    default:
      ApplySystemScheme(p, palette, colors);
      break;
  }
}

void ApplyGlossyBlueSet(CommandProperties& p) {
  p.percent = 53;
  p.midColor = Rgb(124, 171, 255);
  p.endColor = Rgb(191, 211, 255);
  p.mouseMoveMidColor = Rgb(157, 203, 255);
  p.mouseMoveEndColor = Rgb(209, 231, 255);
  p.mouseDownMidColor = Rgb(100, 153, 255);
  p.mouseDownEndColor = Rgb(191, 211, 255);
}

std::string AccessKeyOf(std::string_view caption) {
  const std::vector<std::string_view> chars = Characters(caption);
  const std::size_t length = chars.size();
  if (length < 2) return {};
  // 0-based index of the first "&" at or after `from`, or length when there is none.
  auto ampersandFrom = [&](std::size_t from) {
    for (std::size_t i = from; i < length; ++i) {
      if (chars[i] == "&") return i;
    }
    return length;
  };
  const std::size_t p = ampersandFrom(0);
  if (p + 1 >= length) return {};  // none, or the last character
  if (chars[p + 1] != "&") return LowerCased(chars[p + 1]);
  // "&&" is a literal ampersand: the key follows the next marker, unless that one is last or doubled.
  const std::size_t q = ampersandFrom(p + 2);
  if (q + 1 >= length || chars[q + 1] == "&") return {};
  return LowerCased(chars[q + 1]);
}

}  // namespace zv::command
