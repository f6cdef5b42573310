#pragma once

// Mixing a colour into a row of pixels by an 8-bit coverage per pixel, as
// text is drawn: each channel becomes (colour * c + pixel * (255 - c)) / 255,
// rounded to the nearest. A pixel of coverage 0 keeps all four bytes; any
// other comes out with its unused byte 0, like every colour the program
// draws.

#include <cstdint>

#include "platform/gfx/Color.h"

namespace gfx {

void BlendCoverage(Pixel* row, const std::uint8_t* coverage, int count, Pixel color);

// The same, one pixel at a time; BlendCoverage uses it where the processor
// has no vector instructions for it.
void BlendCoverageEach(Pixel* row, const std::uint8_t* coverage, int count, Pixel color);

}  // namespace gfx
