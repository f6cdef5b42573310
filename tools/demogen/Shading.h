#pragma once

// Continuous colour for the previews: a picture is described as a function
// from a point to a colour and rendered with several samples per pixel, so
// that curved hills and round stones have clean, smooth edges.

#include <functional>

#include "platform/gfx/Bitmap.h"

namespace demogen {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

Rgb Lerp(Rgb a, Rgb b, double t);
Rgb Scale(Rgb c, double f);
Rgb FromRef(gfx::ColorRef c);

// Renders fn, drawn for a `design` x `design` square, over a size x size
// picture, 3 x 3 samples per pixel (2 x 2 for large pictures).
gfx::Bitmap Render(int size, const std::function<Rgb(double x, double y)>& fn, int design);

// Smooth value noise in [0, 1], periodic in neither direction, from a seed.
double ValueNoise(unsigned seed, double x, double y);
// Hash of integer cell coordinates to [0, 1).
double Hash(unsigned seed, int x, int y);

}  // namespace demogen
