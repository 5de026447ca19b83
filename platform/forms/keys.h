// Key codes of KeyDown and KeyUp, numbered as the platform numbers its virtual keys.
#pragma once

namespace zv::forms::key {

constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;

constexpr bool IsArrow(int keyCode) { return keyCode >= kLeft && keyCode <= kDown; }

// The character a key types (KeyPress), 0 for none; Tab types none because it moves the focus.
constexpr int CharacterOf(int keyCode) {
  return keyCode == kSpace || keyCode == kEnter || keyCode == kEscape ? keyCode : 0;
}

}  // namespace zv::forms::key
