#pragma once

// Smooth resizing of pictures: a tent filter as wide as one source pixel
// when enlarging (bilinear) and as wide as one destination pixel when
// reducing, so that a 150 x 150 preview grows without blocks and a large
// photo shrinks without shimmer.

#include "platform/gfx/Bitmap.h"

namespace tiles {

// The part `Source` of `Picture` (clipped to it) resized to Width x Height.
// Empty when either is empty.
gfx::Bitmap ScaleSmooth(const gfx::Bitmap& Picture, const gfx::Rect& Source, int Width, int Height);

}  // namespace tiles
