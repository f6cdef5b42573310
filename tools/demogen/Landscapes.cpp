// Brookside landscapes: layered hills under a sky of the time of day, a
// brook winding to the front with stepping stones, trees on the middle hill.

#include <algorithm>
#include <cmath>

#include "DemoGen.h"
#include "Shading.h"

namespace demogen {

namespace {

constexpr int kSize = 150;

struct Scene {
  Rgb skyTop, skyHorizon;
  Rgb sun;
  double sunX, sunY, sunRadius;
  Rgb hills[3];  // far, middle, near
  Rgb water;
  Rgb trees;
  bool conifers;
  bool stars;
  double clouds;  // 0 for a clear sky
  unsigned seed;
};

// Each scene is one time of day or season by the same brook.
Scene SceneFor(int number) {
  switch (number) {
    case 1:  // Morning at the Brook
      return {{150, 190, 222},
              {250, 226, 190},
              {255, 244, 214},
              42,
              58,
              11,
              {{150, 178, 170}, {104, 150, 104}, {78, 128, 70}},
              {96, 156, 186},
              {52, 96, 56},
              false,
              false,
              0.35,
              11};
    case 2:  // Dusk & Hills
      return {{70, 60, 120},
              {240, 150, 110},
              {255, 210, 150},
              108,
              70,
              13,
              {{120, 84, 120}, {82, 60, 92}, {50, 40, 62}},
              {150, 110, 150},
              {40, 30, 50},
              true,
              false,
              0.0,
              23};
    case 3:  // Summer noon
      return {{60, 130, 210},
              {180, 214, 240},
              {255, 252, 230},
              118,
              26,
              10,
              {{130, 170, 190}, {110, 170, 80}, {84, 150, 60}},
              {70, 150, 200},
              {40, 110, 50},
              false,
              false,
              0.6,
              37};
    case 4:  // Autumn
      return {{120, 150, 180},
              {236, 210, 170},
              {255, 230, 190},
              30,
              44,
              12,
              {{170, 150, 140}, {176, 120, 60}, {140, 96, 48}},
              {90, 130, 150},
              {190, 90, 40},
              false,
              false,
              0.45,
              41};
    case 5:  // Winter
      return {{150, 170, 196},
              {226, 230, 236},
              {250, 250, 240},
              100,
              52,
              10,
              {{196, 206, 220}, {226, 232, 240}, {244, 246, 250}},
              {120, 150, 176},
              {60, 86, 90},
              true,
              false,
              0.25,
              53};
    default:  // Night
      return {{12, 20, 52},
              {40, 64, 110},
              {236, 236, 214},
              112,
              32,
              9,
              {{40, 56, 86}, {26, 40, 62}, {18, 28, 44}},
              {60, 86, 130},
              {14, 22, 36},
              true,
              true,
              0.0,
              67};
  }
}

// The skyline of hill layer i at column x.
double HillLine(const Scene& s, int layer, double x) {
  const double base[] = {72, 90, 108};
  const double amplitude[] = {18, 14, 10};
  const double scale[] = {38, 26, 20};
  const double n = ValueNoise(s.seed + layer * 7, x / scale[layer], layer * 3.1);
  return base[layer] + (n - 0.5) * 2 * amplitude[layer];
}

// The brook's centre and half width at row y (it widens towards the front).
double BrookCentre(const Scene& s, double y) {
  const double t = (y - 100) / 50.0;
  return 76 + 30 * std::sin(y / 14.0 + s.seed) * (0.4 + t);
}

bool InBrook(const Scene& s, double x, double y, double* depth) {
  if (y < HillLine(s, 2, x) + 2)
    return false;
  const double t = (y - 100) / 50.0;
  const double centre = BrookCentre(s, y);
  const double half = 2 + 13 * std::max(t, 0.0);
  const double d = std::abs(x - centre);
  *depth = 1 - d / half;
  return d < half;
}

bool OnStone(double x, double y, const Scene& s, Rgb* colour) {
  // Stepping stones across the brook: offsets from its centre, row, size.
  const double stones[][3] = {
      {-5, 131, 2.8}, {3, 133, 3.0}, {-9, 143, 3.6}, {2, 145, 3.8}, {12, 144, 3.4}};
  for (const auto& st : stones) {
    const double cx = BrookCentre(s, st[1]) + st[0];
    const double dx = (x - cx) / (st[2] * 1.5), dy = (y - st[1]) / st[2];
    const double d = dx * dx + dy * dy;
    if (d < 1) {
      const Rgb stone = Lerp({190, 182, 168}, {110, 104, 96}, std::clamp(dy * 0.5 + 0.5, 0.0, 1.0));
      *colour = s.stars ? Scale(stone, 0.35) : stone;
      return true;
    }
  }
  return false;
}

bool OnTree(const Scene& s, double x, double y, Rgb* colour) {
  for (int k = 0; k < 7; ++k) {
    const double tx = 10 + k * 21 + Hash(s.seed, k, 1) * 10;
    if (tx > 58 && tx < 96)
      continue;  // keep the brook's valley open
    const double ground = HillLine(s, 1, tx) + 3;
    const double h = 9 + Hash(s.seed, k, 2) * 9;
    const double top = ground - h;
    if (y < top || y > ground + 2)
      continue;
    bool inside;
    if (s.conifers) {
      const double half = (y - top) / h * 4.5;
      inside = std::abs(x - tx) < half && y < ground;
    } else {
      const double cy = top + h * 0.45, r = h * 0.42;
      inside = (x - tx) * (x - tx) + (y - cy) * (y - cy) < r * r;
    }
    const bool trunk = std::abs(x - tx) < 0.8 && y >= ground - h * 0.25;
    if (inside || trunk) {
      const double shade = 0.8 + 0.4 * Hash(s.seed, k, 3) - (x > tx ? 0.12 : 0);
      *colour = trunk && !inside ? Rgb{70, 50, 36} : Scale(s.trees, shade);
      return true;
    }
  }
  return false;
}

Rgb Sky(const Scene& s, double x, double y) {
  Rgb c = Lerp(s.skyTop, s.skyHorizon, std::clamp(y / 95.0, 0.0, 1.0));
  const double d = std::hypot(x - s.sunX, y - s.sunY);
  c = Lerp(c, s.sun, std::clamp(0.45 * std::exp(-(d - s.sunRadius) / 18.0), 0.0, 0.45));
  if (d < s.sunRadius)
    c = s.sun;
  // A few cells of the sky hold a star: a small round point at the cell's
  // centre, so that it stays round in the large picture.
  const int cellX = static_cast<int>(std::floor(x)), cellY = static_cast<int>(std::floor(y));
  if (s.stars && Hash(s.seed, cellX, cellY) > 0.996 &&
      std::hypot(x - cellX - 0.5, y - cellY - 0.5) < 0.5)
    c = Lerp(c, {255, 255, 240}, 0.8);
  if (s.clouds > 0) {
    const double n = ValueNoise(s.seed + 99, x / 22.0, y / 7.0);
    const double band = std::exp(-std::pow((y - 30) / 16.0, 2));
    c = Lerp(c, {252, 250, 246}, std::clamp((n - 0.55) * 3 * band * s.clouds, 0.0, 0.8));
  }
  return c;
}

}  // namespace

gfx::Bitmap DrawLandscape(int number, int size) {
  const Scene s = SceneFor(number);
  return Render(
      size,
      [&](double x, double y) {
        Rgb c = Sky(s, x, y);
        for (int layer = 0; layer < 3; ++layer) {
          const double line = HillLine(s, layer, x);
          if (y >= line) {
            // Lower down a hill is a little darker; farther hills fade to the sky.
            const double down = std::clamp((y - line) / 60.0, 0.0, 1.0);
            c = Lerp(s.hills[layer], Scale(s.hills[layer], 0.78), down);
            const double grass = ValueNoise(s.seed + layer, x / 3.0, y / 2.0);
            c = Scale(c, 0.95 + grass * 0.1);
          }
        }
        Rgb feature;
        if (OnTree(s, x, y, &feature))
          c = feature;
        double depth = 0;
        if (InBrook(s, x, y, &depth)) {
          const double ripple = std::sin(y * 1.3 + x * 0.4) * 0.5 + 0.5;
          c = Lerp(s.water, s.skyHorizon, 0.25 + 0.2 * ripple * (1 - depth));
          if (depth < 0.12)
            c = Lerp(c, {245, 245, 240}, s.stars ? 0.15 : 0.45);
        }
        if (OnStone(x, y, s, &feature))
          c = feature;
        return c;
      },
      kSize);
}

}  // namespace demogen
