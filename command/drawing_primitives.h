// The button's drawing primitives over a raster canvas, its colour arithmetic and the pixels
// its window region removes. W and H are the canvas's width and height.
#pragma once

#include <vector>

#include "platform/canvas.h"
#include "platform/color.h"
#include "platform/geometry.h"

namespace zv::command {

// Channels of a colour taken as a signed 32-bit value: R = c and 255, G = (c div 256) mod 256,
// B = (c div 65536) mod 256 with truncating division, so a system-colour value (top bit set)
// gives green and blue channels below zero, which the functions below clamp to 0.
struct Channels {
  int r = 0;
  int g = 0;
  int b = 0;
};
Channels ChannelsOf(Color c);

// Rounds to the nearest whole number, halves to even, whatever the floating-point mode.
int Nearest(double value);

// Fills (or, with frameOnly, outlines) the pixels x <= px < x + w, y <= py < y + h.
void DrawRect(Canvas& canvas, int x, int y, int w, int h, Color color, bool frameOnly);
// A one-pixel line from (x1, y1) toward (x2, y2), the end point not drawn.
void DrawLine(Canvas& canvas, int x1, int y1, int x2, int y2, Color color);
void SetPixelColor(Canvas& canvas, int x, int y, Color color);
// The four sides two pixels short of each corner in c1, the four diagonal corner pixels in c2.
// The three pixels outside each diagonal are left as they are.
void DrawRoundBorder(Canvas& canvas, Color c1, Color c2);
// The dotted XOR focus rectangle; a second call at the same place undoes it.
void DrawFocus(Canvas& canvas, Rect focusRect);
// Rows from..to (inclusive, by step) in colours moving from (r0, g0, b0) toward white by
// (255 - base) / (H - 5) per row, the first row already one increment away from the base.
// The counter is 16-bit: rows beyond its range are not drawn. With H = 5 the rows keep the base.
void FadeToWhite(Canvas& canvas, int r0, int g0, int b0, int from, int to, int step);
// Adds amount to red and green, and to blue either amount or, with scaleBlue, amount/192 of
// blue's own value; each channel clamped to 0..255.
Color ShiftColor(Color c, int amount, bool scaleBlue);
// Adds the deltas per channel, clamped below at 0 and above at the ceiling's channel.
Color AddColorClamped(Color c, int dR, int dG, int dB, Color ceiling);

// Looks whose window has its corners cut.
bool HasCutCorners(int buttonType);
// The rectangles the window region leaves out of (0, 0)-(w, h) for the look: the three pixels
// outside each corner's diagonal for looks 3, 4, 8 and 9, nothing for the others.
std::vector<Rect> BuildRegion(int buttonType, int w, int h);

}  // namespace zv::command
