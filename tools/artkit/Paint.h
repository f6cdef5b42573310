#pragma once

// Small raster helpers for the asset generators: a clipped painter over a
// gfx::Bitmap, colour mixing, short vertical gradients and seeded noise.
// Everything is integer and deterministic, so that a generator run on any
// machine produces the same pixels and the committed assets can be checked
// against a fresh run.

#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace art {

using gfx::ColorRef;
using gfx::Rect;

// The product palette.
namespace palette {
inline constexpr ColorRef kCream = gfx::RGB(244, 236, 220);
inline constexpr ColorRef kPaperShadow = gfx::RGB(214, 200, 176);
inline constexpr ColorRef kWalnut = gfx::RGB(96, 64, 40);
inline constexpr ColorRef kWalnutDark = gfx::RGB(62, 40, 24);
inline constexpr ColorRef kTeal = gfx::RGB(46, 120, 128);
inline constexpr ColorRef kTealLight = gfx::RGB(120, 178, 176);
inline constexpr ColorRef kInk = gfx::RGB(40, 32, 28);
inline constexpr ColorRef kHighlight = gfx::RGB(255, 250, 240);
// Derived tones used by several pictures.
inline constexpr ColorRef kField = gfx::RGB(251, 246, 236);      // text fields, list rows
inline constexpr ColorRef kPaleTeal = gfx::RGB(214, 232, 226);   // hover tint of controls
inline constexpr ColorRef kMutedText = gfx::RGB(160, 144, 120);  // disabled captions
}  // namespace palette

// Mixes a and b: t = 0 gives a, t = 256 gives b.
ColorRef Mix(ColorRef a, ColorRef b, int t);
// Adds d to each channel, clamped to 0..255.
ColorRef Shade(ColorRef c, int d);

// A deterministic generator (SplitMix64), independent of the standard
// library's distributions, whose results differ between implementations.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // An integer in [lo, hi].
  int Range(int lo, int hi);
  // A value in [-1, 1] with 1/65536 steps.
  double Signed();

 private:
  std::uint64_t state_;
};

// Smooth one-dimensional noise of the given length: random knots every
// `period` samples joined by straight lines, values in [-1, 1]. Used for
// wood grain and for gentle variation in the previews.
std::vector<double> SmoothNoise(std::uint64_t seed, int length, int period);

class Painter {
 public:
  explicit Painter(gfx::Bitmap& bitmap) : bitmap_(bitmap) {}

  gfx::Bitmap& Target() { return bitmap_; }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }

  ColorRef Get(int x, int y) const { return bitmap_.GetPixel(x, y); }
  void Set(int x, int y, ColorRef c) { bitmap_.SetPixel(x, y, c); }
  // Mixes c over the pixel with weight t (0..256).
  void Blend(int x, int y, ColorRef c, int t);

  void Fill(const Rect& r, ColorRef c);
  void HLine(int x0, int x1, int y, ColorRef c);  // x1 exclusive
  void VLine(int x, int y0, int y1, ColorRef c);  // y1 exclusive
  // A one-pixel outline just inside r.
  void Frame(const Rect& r, ColorRef c);
  // The outline with its four corner pixels left out, the classic look of
  // a softly rounded small control.
  void RoundFrame(const Rect& r, ColorRef c);
  // Each row of r gets the colour between top and bottom for its place.
  void VGradient(const Rect& r, ColorRef top, ColorRef bottom);
  void HGradient(const Rect& r, ColorRef left, ColorRef right);
  // A disc or a ring, with edge pixels mixed by coverage (4 x 4 samples).
  void Disc(double cx, double cy, double radius, ColorRef c);
  void Ring(double cx, double cy, double outer, double inner, ColorRef c);
  // A filled polygon, edge pixels mixed by coverage (4 x 4 samples).
  void Polygon(const std::vector<std::pair<double, double>>& points, ColorRef c);
  // Copies a rectangle of this bitmap to another place of it.
  void CopyWithin(const Rect& source, int x, int y);

 private:
  gfx::Bitmap& bitmap_;
};

}  // namespace art
