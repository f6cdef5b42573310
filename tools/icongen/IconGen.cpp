#include "IconGen.h"

#include <cmath>
#include <functional>

#include "Paint.h"

namespace icongen {
namespace {

using namespace art::palette;
using Shape = std::function<bool(double x, double y)>;

// A warm amber and a brick red beside the palette, for the two alarming
// kinds; both sit well with walnut and cream.
constexpr gfx::ColorRef kAmber = gfx::RGB(226, 170, 70);
constexpr gfx::ColorRef kBrick = gfx::RGB(184, 58, 44);

// The share of a pixel a shape covers, sampled 4 x 4.
int Coverage(const Shape& shape, int x, int y) {
  int inside = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx)
      inside += shape(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0) ? 1 : 0;
  return inside * 16;  // 0..256
}

// The outer shape has hard edges, since its surroundings are the key
// colour; marks inside it are smoothed against what lies below them.
void FillHard(gfx::Bitmap& icon, const Shape& shape, gfx::ColorRef c) {
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x)
      if (Coverage(shape, x, y) >= 128)
        icon.SetPixel(x, y, c);
}

void FillSmooth(gfx::Bitmap& icon, const Shape& shape, gfx::ColorRef c) {
  art::Painter p(icon);
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x)
      if (int t = Coverage(shape, x, y); t > 0)
        p.Blend(x, y, c, t);
}

// A plate with a darker rim and a light upper half, as if lit from above.
void Plate(gfx::Bitmap& icon, const Shape& outer, const Shape& inner, gfx::ColorRef face) {
  FillHard(icon, outer, art::Shade(face, -70));
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x)
      if (Coverage(inner, x, y) >= 128)
        icon.SetPixel(x, y, art::Mix(art::Shade(face, 28), face, std::min(256, y * 256 / 20)));
}

Shape Disc(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Bar(double x0, double y0, double x1, double y1) {
  return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

// Points closer than half the width to the segment.
Shape Stroke(double x0, double y0, double x1, double y1, double width) {
  return [=](double x, double y) {
    const double dx = x1 - x0, dy = y1 - y0;
    double t = ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy);
    t = std::clamp(t, 0.0, 1.0);
    const double ex = x - (x0 + t * dx), ey = y - (y0 + t * dy);
    return ex * ex + ey * ey <= width * width / 4;
  };
}

Shape Triangle(double inset) {
  // Apex at the top centre, base along the bottom, with the corners a
  // little rounded by cutting them.
  return [=](double x, double y) {
    const double top = 2 + inset * 2, bottom = 29.5 - inset, half = 14.5 - inset * 1.7;
    if (y < top || y > bottom)
      return false;
    const double w = half * (y - top) / (bottom - top);
    return std::abs(x - 16) <= w;
  };
}

gfx::Bitmap Blank() {
  gfx::Bitmap icon(kIconSize, kIconSize);
  art::Painter(icon).Fill({0, 0, kIconSize, kIconSize}, kKeyColour);
  return icon;
}

gfx::Bitmap DrawWarning() {
  gfx::Bitmap icon = Blank();
  Plate(icon, Triangle(0), Triangle(1.2), kAmber);
  FillSmooth(icon, Bar(14.5, 11, 17.5, 21), kInk);
  FillSmooth(icon, Disc(16, 24.5, 1.8), kInk);
  return icon;
}

gfx::Bitmap DrawError() {
  gfx::Bitmap icon = Blank();
  Plate(icon, Disc(16, 16, 14.5), Disc(16, 16, 13.3), kBrick);
  FillSmooth(icon, Stroke(10.5, 10.5, 21.5, 21.5, 3.4), kCream);
  FillSmooth(icon, Stroke(21.5, 10.5, 10.5, 21.5, 3.4), kCream);
  return icon;
}

gfx::Bitmap DrawInformation() {
  gfx::Bitmap icon = Blank();
  Plate(icon, Disc(16, 16, 14.5), Disc(16, 16, 13.3), kTeal);
  FillSmooth(icon, Disc(16, 9.5, 2.2), kCream);
  FillSmooth(icon, Bar(14.5, 13.5, 17.5, 23.5), kCream);
  FillSmooth(icon, Bar(12.5, 22, 19.5, 24), kCream);
  FillSmooth(icon, Bar(12.5, 13.5, 15, 15.5), kCream);
  return icon;
}

gfx::Bitmap DrawConfirmation() {
  gfx::Bitmap icon = Blank();
  Plate(icon, Disc(16, 16, 14.5), Disc(16, 16, 13.3), kWalnut);
  // The hook of the question mark: a ring open towards the lower left.
  const Shape hook = [](double x, double y) {
    const double dx = x - 16, dy = y - 12;
    const double r2 = dx * dx + dy * dy;
    if (r2 > 5.6 * 5.6 || r2 < 2.6 * 2.6)
      return false;
    return !(dx < 0 && dy > -1);
  };
  FillSmooth(icon, hook, kCream);
  FillSmooth(icon, Stroke(17.6, 16.2, 16, 19.5, 3), kCream);
  FillSmooth(icon, Bar(14.5, 18.5, 17.5, 20.5), kCream);
  FillSmooth(icon, Disc(16, 24, 1.9), kCream);
  return icon;
}

}  // namespace

std::vector<art::AssetFile> GenerateIcons() {
  std::vector<art::AssetFile> files;
  files.push_back({"warning.bmp", DrawWarning()});
  files.push_back({"error.bmp", DrawError()});
  files.push_back({"information.bmp", DrawInformation()});
  files.push_back({"confirmation.bmp", DrawConfirmation()});
  return files;
}

}  // namespace icongen
