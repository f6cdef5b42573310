#include "Shading.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace demogen {

Rgb Lerp(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, double f) {
  return {c.r * f, c.g * f, c.b * f};
}

Rgb FromRef(gfx::ColorRef c) {
  return {static_cast<double>(gfx::GetRValue(c)), static_cast<double>(gfx::GetGValue(c)),
          static_cast<double>(gfx::GetBValue(c))};
}

gfx::Bitmap Render(int size, const std::function<Rgb(double x, double y)>& fn, int design) {
  gfx::Bitmap bitmap(size, size);
  const double scale = static_cast<double>(design) / size;
  // Large pictures have small enough pixels for fewer samples.
  const int kSamples = size >= 300 ? 2 : 3;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      Rgb sum;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          const Rgb c =
              fn((x + (sx + 0.5) / kSamples) * scale, (y + (sy + 0.5) / kSamples) * scale);
          sum.r += c.r;
          sum.g += c.g;
          sum.b += c.b;
        }
      auto channel = [kSamples](double v) {
        return std::clamp(static_cast<int>(std::lround(v / (kSamples * kSamples))), 0, 255);
      };
      bitmap.SetPixel(x, y, gfx::RGB(channel(sum.r), channel(sum.g), channel(sum.b)));
    }
  return bitmap;
}

double Hash(unsigned seed, int x, int y) {
  std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^
                    static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / 16777216.0;
}

double ValueNoise(unsigned seed, double x, double y) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = Hash(seed, ix, iy), b = Hash(seed, ix + 1, iy);
  const double c = Hash(seed, ix, iy + 1), d = Hash(seed, ix + 1, iy + 1);
  return a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy;
}

}  // namespace demogen
