// Pictures at a display's scale: the sets they are drawn in, which set serves a dpi, and a smooth resize
// for a dpi between the sets.
#pragma once

#include "platform/geometry.h"
#include "platform/picture.h"

namespace zv {

// The dpi of each drawn set: 100, 125, 150 and 200 %.
inline constexpr int kPictureSetDpis[] = {96, 120, 144, 192};

// The set that serves `dpi`: the smallest drawn at or above it, the largest when none is.
int PictureSetDpi(int dpi);

// The size at `dpi` of a picture that measures `at96` at 96 dpi: each side taken as twips at that dpi, as
// a control of the picture's size is laid out.
Size PictureSizeAt(Size at96, int dpi);

// The size at 96 dpi of a picture drawn `drawn` for `dpi` (at least 96): the inverse of PictureSizeAt.
Size PictureSizeAt96(Size drawn, int dpi);

// The picture resampled to `size` (both sides at least 1): each pixel a weighted mean of the source pixels
// under it, with a tent filter as wide as a source pixel or a target pixel, whichever is wider.
Picture ResizeSmooth(const Picture& source, Size size);

}  // namespace zv
