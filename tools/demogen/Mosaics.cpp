// Stonework mosaics: eight classic ways of laying stone and tile, each in
// earthy tones with a touch of teal, set in grout.

#include <algorithm>
#include <cmath>

#include "DemoGen.h"
#include "Shading.h"

namespace demogen {

namespace {

constexpr int kSize = 150;
constexpr double kPi = 3.14159265358979323846;

const Rgb kGrout{214, 204, 186};
const Rgb kDarkGrout{84, 70, 60};
// Stone tones shared by the mosaics.
const Rgb kStones[] = {{196, 112, 74},  {226, 200, 160}, {150, 138, 126}, {70, 132, 136},
                       {236, 228, 212}, {164, 96, 64},   {120, 170, 168}, {98, 84, 74}};

Rgb Stone(unsigned seed, int a, int b, int paletteFrom, int paletteCount) {
  const int i = paletteFrom + static_cast<int>(Hash(seed, a, b) * paletteCount);
  return Scale(kStones[i % 8], 0.9 + Hash(seed + 1, a, b) * 0.2);
}

// A stone face: lighter at its top left, with a fine speckle.
Rgb Face(Rgb c, double u, double v, unsigned seed, double x, double y) {
  const double light = 1.06 - 0.12 * std::clamp((u + v) / 2, 0.0, 1.0);
  return Scale(c, light * (0.96 + 0.08 * ValueNoise(seed, x / 1.7, y / 1.7)));
}

// 1. Cobbles: rounded stones of a jittered grid.
Rgb Cobbles(double x, double y) {
  const double cell = 19;
  const int cx = static_cast<int>(std::floor(x / cell)),
            cy = static_cast<int>(std::floor(y / cell));
  double f1 = 1e9, f2 = 1e9;
  int best[2] = {0, 0};
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      const double px = (cx + i + 0.2 + 0.6 * Hash(5, cx + i, cy + j)) * cell;
      const double py = (cy + j + 0.2 + 0.6 * Hash(6, cx + i, cy + j)) * cell;
      const double d = std::hypot(x - px, y - py);
      if (d < f1) {
        f2 = f1;
        f1 = d;
        best[0] = cx + i;
        best[1] = cy + j;
      } else if (d < f2) {
        f2 = d;
      }
    }
  if (f2 - f1 < 2.2)
    return kDarkGrout;
  const Rgb c = Stone(7, best[0], best[1], 0, 4);
  return Scale(c, 1.08 - 0.25 * std::clamp(f1 / cell, 0.0, 1.0));
}

// 2. Terracotta courses: bricks in running bond.
Rgb Courses(double x, double y) {
  const double h = 12, w = 30;
  const int row = static_cast<int>(std::floor(y / h));
  const double shift = (row % 2) * w / 2;
  const int col = static_cast<int>(std::floor((x + shift) / w));
  const double u = (x + shift) / w - col, v = y / h - row;
  if (u * w < 2 || v * h < 2)
    return kGrout;
  const Rgb c = Stone(11, col, row, 0, 1);
  const Rgb warm = Lerp(c, kStones[5], Hash(12, col, row) * 0.8);
  return Face(warm, u, v, 13, x, y);
}

// 3. Basketweave: pairs of planks turning at every square.
Rgb Basketweave(double x, double y) {
  const double s = 25;
  const int i = static_cast<int>(std::floor(x / s)), j = static_cast<int>(std::floor(y / s));
  const double u = x / s - i, v = y / s - j;
  const bool across = (i + j) % 2 == 0;
  const double along = across ? u : v, over = across ? v : u;
  const int plank = static_cast<int>(over * 2);
  const double inPlank = over * 2 - plank;
  if (inPlank * s / 2 < 1.6 || along * s < 1.6)
    return kDarkGrout;
  const Rgb c = Lerp(kStones[1], kStones[2], Hash(17, i * 2 + plank, j) * 0.8);
  return Face(c, along, inPlank, 19, x, y);
}

// 4. Hexagons in three tones.
Rgb Hexagons(double x, double y) {
  const double r = 11;
  const double q = (x * std::sqrt(3.0) / 3 - y / 3) / r, s = y * 2 / 3 / r;
  // Round the axial coordinates to the nearest hexagon.
  double cx = q, cz = s, cy = -q - s;
  double rx = std::round(cx), ry = std::round(cy), rz = std::round(cz);
  const double dx = std::abs(rx - cx), dy = std::abs(ry - cy), dz = std::abs(rz - cz);
  if (dx > dy && dx > dz)
    rx = -ry - rz;
  else if (dy > dz)
    ry = -rx - rz;
  else
    rz = -rx - ry;
  const double hx = r * std::sqrt(3.0) * (rx + rz / 2), hy = r * 1.5 * rz;
  const double px = std::abs(x - hx), py = std::abs(y - hy);
  const double edge = std::max(px, px * 0.5 + py * std::sqrt(3.0) / 2);
  if (edge > r * std::sqrt(3.0) / 2 - 1.3)
    return kGrout;
  const int tone = static_cast<int>(std::lround(rx - rz * 2)) % 3;
  const Rgb c = tone == 0 ? kStones[3] : tone == 1 || tone == -1 ? kStones[4] : kStones[1];
  return Face(c, (x - hx) / r * 0.5 + 0.5, (y - hy) / r * 0.5 + 0.5, 23, x, y);
}

// 5. Rosette: rings of small tesserae round a medallion.
Rgb Rosette(double x, double y) {
  const double dx = x - 75, dy = y - 75;
  const double r = std::hypot(dx, dy);
  if (r < 12)
    return r > 10.5 ? kDarkGrout : Face(kStones[3], dx / 24 + 0.5, dy / 24 + 0.5, 29, x, y);
  const double ring = 8;
  const int k = static_cast<int>((r - 12) / ring);
  const double inRing = (r - 12) / ring - k;
  const double circumference = 2 * kPi * (12 + (k + 0.5) * ring);
  const int count = std::max(6, static_cast<int>(circumference / 8));
  const double a = (std::atan2(dy, dx) + kPi) / (2 * kPi) * count + k * 0.5;
  const int t = static_cast<int>(std::floor(a));
  if (inRing * ring < 1.4 || (a - t) * circumference / count < 1.4)
    return kGrout;
  const Rgb tones[] = {kStones[5], kStones[4], kStones[6], kStones[1], kStones[0], kStones[4]};
  Rgb c = tones[k % 6];
  if (k % 3 == 2 && t % 2 == 0)
    c = kStones[3];
  return Face(Scale(c, 0.94 + 0.12 * Hash(31, t, k)), inRing, a - t, 37, x, y);
}

// 6. Diamonds: slate and cream lozenges inside a border band.
Rgb Diamonds(double x, double y) {
  if (x < 10 || y < 10 || x > 140 || y > 140) {
    const bool groutLine = std::fmod(x + y, 10) < 1.2 || x < 1 || y < 1 || x > 149 || y > 149;
    return groutLine ? kDarkGrout : Face(kStones[0], 0.5, 0.5, 41, x, y);
  }
  if (x < 11.5 || y < 11.5 || x > 138.5 || y > 138.5)
    return kDarkGrout;
  const double u = (x + y) / 18, v = (x - y) / 18;
  const int i = static_cast<int>(std::floor(u)), j = static_cast<int>(std::floor(v));
  const double fu = u - i, fv = v - j;
  if (fu * 18 < 1.4 || fv * 18 < 1.4)
    return kGrout;
  const Rgb c = (i + j) % 2 == 0 ? kStones[7] : kStones[4];
  return Face(c, fu, fv, 43, x, y);
}

// 7. Fish scales: overlapping arcs, row over row.
Rgb Scales(double x, double y) {
  const double w = 20, h = 10;
  const int row = static_cast<int>(std::floor(y / h));
  for (int r = row + 1; r >= row - 1; --r) {
    const double shift = (r % 2 != 0) ? w / 2 : 0;
    const int col = static_cast<int>(std::floor((x + shift) / w));
    const double cx = col * w - shift + w / 2, cy = r * h;
    const double d = std::hypot(x - cx, (y - cy) * 1.0);
    if (y >= cy && d < w / 2) {
      if (d > w / 2 - 1.5)
        return kDarkGrout;
      const Rgb c = Lerp(kStones[6], kStones[3], Hash(47, col, r) * 0.9);
      return Scale(c, 1.1 - 0.3 * d / (w / 2));
    }
  }
  return kDarkGrout;
}

// 8. Waves: small square tesserae laid in rolling teal bands on cream.
Rgb Wave(double x, double y) {
  const double t = 6;
  const int i = static_cast<int>(std::floor(x / t)), j = static_cast<int>(std::floor(y / t));
  const double u = x / t - i, v = y / t - j;
  if (u * t < 1 || v * t < 1)
    return kGrout;
  // Each tessera takes the colour of its centre's place in the waves.
  const double cx = (i + 0.5) * t, cy = (j + 0.5) * t;
  const double phase = std::fmod(cy - 9 * std::sin(cx * 2 * kPi / 75) + 500, 50);
  Rgb c = kStones[4];
  if (phase < 15)
    c = kStones[3];
  else if (phase >= 21 && phase < 30)
    c = kStones[6];
  else if (phase >= 38 && phase < 42)
    c = kStones[1];
  return Face(Scale(c, 0.95 + 0.1 * Hash(53, i, j)), u, v, 59, x, y);
}

}  // namespace

gfx::Bitmap DrawMosaic(int number, int size) {
  Rgb (*const patterns[])(double, double) = {Cobbles, Courses,  Basketweave, Hexagons,
                                             Rosette, Diamonds, Scales,      Wave};
  const auto pattern = patterns[(number - 1) % kMosaics];
  return Render(
      size, [&](double x, double y) { return pattern(x, y); }, kSize);
}

}  // namespace demogen
