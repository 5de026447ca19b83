// The two gradient faces of the button: a two-tone run with highlight rows (look 3) and a
// glossy run with light inner frames (look 4), split at a band Percent high.
#pragma once

#include "platform/canvas.h"
#include "platform/color.h"

namespace zv::command {

// Upper run from mid (row k) toward end (row 1), two white-fading highlight rows, a second
// run from mid below the band, the bottom rows copied from row H - 10, then the border.
// With flat: one fill in mid inside the border. Below H = 10 there are no bottom rows and no
// border. A run whose divisor is zero is flat in mid; a highlight row whose divisor is zero is
// left out.
void DrawTwoToneFace(Canvas& canvas, Color mid, Color border, Color end, int percent, bool flat);

// Upper run with integer steps from mid + 10 upward, a band of mid, a lower run from mid + 5,
// two light frames, a light row above the bottom and the border. A run whose divisor is zero
// keeps its starting colour.
void DrawGlossyFace(Canvas& canvas, Color mid, Color border, Color end, int percent);

}  // namespace zv::command
