// Ährenfeld quilts: farmland seen from the hill above the brook, a patchwork
// of fields through the year. Each field is a cell of a jittered grid,
// ploughed or sown in rows at its own angle, fenced by hedges; a brook
// crosses the land and a few trees stand at the field corners.

#include <algorithm>
#include <cmath>

#include "DemoGen.h"
#include "Shading.h"

namespace demogen {

namespace {

constexpr int kSize = 150;

struct Season {
  Rgb crops[4];
  Rgb hedge;
  Rgb brook;
  double cell;   // field size
  double angle;  // main direction of the rows, in radians
  unsigned seed;
};

// Fourteen moments of the farming year; neighbours differ in palette or in
// the size of the fields.
Season SeasonFor(int number) {
  const Rgb spring[4] = {{132, 176, 96}, {170, 200, 120}, {120, 98, 70}, {210, 200, 110}};
  const Rgb summer[4] = {{226, 188, 92}, {204, 160, 70}, {140, 170, 86}, {236, 214, 130}};
  const Rgb rapeseed[4] = {{238, 214, 60}, {120, 160, 80}, {226, 196, 48}, {150, 120, 84}};
  const Rgb lavender[4] = {{150, 120, 180}, {190, 160, 210}, {120, 150, 90}, {214, 196, 150}};
  const Rgb autumn[4] = {{150, 96, 60}, {196, 140, 80}, {110, 84, 60}, {180, 160, 100}};
  const Rgb winter[4] = {{232, 232, 236}, {200, 204, 210}, {150, 140, 130}, {214, 220, 226}};
  const Rgb stubble[4] = {{214, 196, 150}, {176, 150, 104}, {92, 132, 74}, {236, 222, 184}};
  const Rgb* palettes[] = {spring, summer, rapeseed, lavender, autumn, winter, stubble};
  const Rgb hedges[] = {{54, 96, 52}, {70, 96, 46}, {60, 100, 60}, {70, 84, 60},
                        {96, 70, 44}, {90, 92, 96}, {64, 90, 48}};
  // The second week of the year walks through the palettes in another order.
  const int p = number <= 7 ? number - 1 : (number + 2) % 7;
  Season s;
  for (int i = 0; i < 4; ++i)
    s.crops[i] = palettes[p][i];
  s.hedge = hedges[p];
  s.brook = p == 5 ? Rgb{150, 180, 196} : Rgb{70, 140, 150};
  s.cell = number <= 7 ? 34 : 24;
  s.angle = 0.35 * number;
  s.seed = 101 + 17 * static_cast<unsigned>(number);
  return s;
}

// The field under (x, y) by its nearest jittered centre, and how close the
// second-nearest one is (near 0 on a boundary).
struct Field {
  int i = 0, j = 0;
  double edge = 1e9;
  double centreX = 0, centreY = 0;
};

Field FieldAt(const Season& s, double x, double y) {
  const int cx = static_cast<int>(std::floor(x / s.cell)),
            cy = static_cast<int>(std::floor(y / s.cell));
  double f1 = 1e9, f2 = 1e9;
  Field best;
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      const double px = (cx + i + 0.15 + 0.7 * Hash(s.seed, cx + i, cy + j)) * s.cell;
      const double py = (cy + j + 0.15 + 0.7 * Hash(s.seed + 1, cx + i, cy + j)) * s.cell;
      const double d = std::hypot(x - px, y - py);
      if (d < f1) {
        f2 = f1;
        f1 = d;
        best = {cx + i, cy + j, 0, px, py};
      } else if (d < f2) {
        f2 = d;
      }
    }
  best.edge = f2 - f1;
  return best;
}

Rgb Quilt(const Season& s, int number, double x, double y) {
  // The brook: a gentle curve from the top left down to the bottom right,
  // or, on the smaller fields, from the bottom left up.
  const double run = number <= 7 ? x : kSize - x;
  const double curve = 40 + 0.55 * run + 14 * std::sin(x / 19.0 + number);
  const double toBrook = std::abs(y - curve);
  if (toBrook < 3.2)
    return Lerp(s.brook, {220, 236, 236}, std::clamp(1 - toBrook / 3.2, 0.0, 1.0) * 0.35);
  if (toBrook < 4.6)
    return {120, 110, 90};  // the bank

  const Field f = FieldAt(s, x, y);
  if (f.edge < 2.0)
    return Scale(s.hedge, 0.85 + 0.3 * ValueNoise(s.seed + 3, x / 2.0, y / 2.0));
  // A tree at some corners of the hedges.
  if (f.edge < 5.0 && Hash(s.seed + 4, f.i, f.j) > 0.7) {
    const double tx = f.centreX + 0.45 * s.cell, ty = f.centreY - 0.4 * s.cell;
    const double d = std::hypot(x - tx, y - ty);
    if (d < 4.0)
      return Scale(s.hedge, 0.75 + 0.1 * (1 - d / 4.0));
  }

  const Rgb crop = s.crops[static_cast<int>(Hash(s.seed + 2, f.i, f.j) * 4) % 4];
  const double a = s.angle + (Hash(s.seed + 5, f.i, f.j) > 0.5 ? 1.5708 : 0.0);
  const double along = x * std::cos(a) + y * std::sin(a);
  const double rows = 0.5 + 0.5 * std::sin(along * 1.6);
  const double shade = 0.9 + 0.1 * rows + 0.06 * (ValueNoise(s.seed + 6, x / 9.0, y / 9.0) - 0.5);
  // Light from the top left over the whole land.
  return Scale(crop, shade * (1.05 - 0.1 * (x + y) / (2.0 * kSize)));
}

}  // namespace

gfx::Bitmap DrawQuilt(int number, int size) {
  const Season s = SeasonFor(number);
  return Render(
      size, [&](double x, double y) { return Quilt(s, number, x, y); }, kSize);
}

}  // namespace demogen
