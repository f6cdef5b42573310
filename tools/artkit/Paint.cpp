#include "Paint.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

int Clamp255(int v) {
  return std::clamp(v, 0, 255);
}

}  // namespace

ColorRef Mix(ColorRef a, ColorRef b, int t) {
  auto mixChannel = [t](int x, int y) { return x + ((y - x) * t + (y >= x ? 128 : -128)) / 256; };
  return gfx::RGB(mixChannel(gfx::GetRValue(a), gfx::GetRValue(b)),
                  mixChannel(gfx::GetGValue(a), gfx::GetGValue(b)),
                  mixChannel(gfx::GetBValue(a), gfx::GetBValue(b)));
}

ColorRef Shade(ColorRef c, int d) {
  return gfx::RGB(Clamp255(gfx::GetRValue(c) + d), Clamp255(gfx::GetGValue(c) + d),
                  Clamp255(gfx::GetBValue(c) + d));
}

std::uint64_t Random::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int Random::Range(int lo, int hi) {
  return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
}

double Random::Signed() {
  return static_cast<double>(static_cast<int>(Next() % 131073) - 65536) / 65536.0;
}

std::vector<double> SmoothNoise(std::uint64_t seed, int length, int period) {
  Random random(seed);
  period = std::max(period, 1);
  std::vector<double> knots(static_cast<std::size_t>(length / period + 2));
  for (double& k : knots)
    k = random.Signed();
  std::vector<double> values(static_cast<std::size_t>(std::max(length, 0)));
  for (int i = 0; i < length; ++i) {
    const int k = i / period;
    const double f = static_cast<double>(i % period) / period;
    values[static_cast<std::size_t>(i)] = knots[k] + (knots[k + 1] - knots[k]) * f;
  }
  return values;
}

void Painter::Blend(int x, int y, ColorRef c, int t) {
  const ColorRef old = bitmap_.GetPixel(x, y);
  if (old != gfx::CLR_INVALID)
    bitmap_.SetPixel(x, y, Mix(old, c, t));
}

void Painter::Fill(const Rect& r, ColorRef c) {
  const Rect clipped = r.Intersect(bitmap_.Bounds());
  const gfx::Pixel p = gfx::PixelFromColor(c);
  for (int y = clipped.top; y < clipped.bottom; ++y)
    std::fill(bitmap_.Row(y) + clipped.left, bitmap_.Row(y) + clipped.right, p);
}

void Painter::HLine(int x0, int x1, int y, ColorRef c) {
  Fill({x0, y, x1, y + 1}, c);
}

void Painter::VLine(int x, int y0, int y1, ColorRef c) {
  Fill({x, y0, x + 1, y1}, c);
}

void Painter::Frame(const Rect& r, ColorRef c) {
  if (r.IsEmpty())
    return;
  HLine(r.left, r.right, r.top, c);
  HLine(r.left, r.right, r.bottom - 1, c);
  VLine(r.left, r.top, r.bottom, c);
  VLine(r.right - 1, r.top, r.bottom, c);
}

void Painter::RoundFrame(const Rect& r, ColorRef c) {
  if (r.Width() < 3 || r.Height() < 3)
    return Frame(r, c);
  HLine(r.left + 1, r.right - 1, r.top, c);
  HLine(r.left + 1, r.right - 1, r.bottom - 1, c);
  VLine(r.left, r.top + 1, r.bottom - 1, c);
  VLine(r.right - 1, r.top + 1, r.bottom - 1, c);
}

void Painter::VGradient(const Rect& r, ColorRef top, ColorRef bottom) {
  const int h = r.Height();
  for (int y = r.top; y < r.bottom; ++y) {
    const int t = h <= 1 ? 0 : (y - r.top) * 256 / (h - 1);
    HLine(r.left, r.right, y, Mix(top, bottom, t));
  }
}

void Painter::HGradient(const Rect& r, ColorRef left, ColorRef right) {
  const int w = r.Width();
  for (int x = r.left; x < r.right; ++x) {
    const int t = w <= 1 ? 0 : (x - r.left) * 256 / (w - 1);
    VLine(x, r.top, r.bottom, Mix(left, right, t));
  }
}

namespace {

// The share (0..256) of a pixel's 16 sample points that `inside` accepts.
template <typename Inside>
int Coverage(int x, int y, Inside inside) {
  int hits = 0;
  for (int sy = 0; sy < 4; ++sy)
    for (int sx = 0; sx < 4; ++sx)
      if (inside(x + (sx + 0.5) / 4.0, y + (sy + 0.5) / 4.0))
        ++hits;
  return hits * 16;
}

}  // namespace

void Painter::Disc(double cx, double cy, double radius, ColorRef c) {
  Ring(cx, cy, radius, -1.0, c);
}

void Painter::Ring(double cx, double cy, double outer, double inner, ColorRef c) {
  const int x0 = static_cast<int>(std::floor(cx - outer));
  const int x1 = static_cast<int>(std::ceil(cx + outer));
  const int y0 = static_cast<int>(std::floor(cy - outer));
  const int y1 = static_cast<int>(std::ceil(cy + outer));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const int t = Coverage(x, y, [&](double px, double py) {
        const double d2 = (px - cx) * (px - cx) + (py - cy) * (py - cy);
        return d2 <= outer * outer && (inner < 0 || d2 >= inner * inner);
      });
      if (t > 0)
        Blend(x, y, c, t);
    }
}

void Painter::Polygon(const std::vector<std::pair<double, double>>& points, ColorRef c) {
  if (points.size() < 3)
    return;
  double minX = points[0].first, maxX = minX, minY = points[0].second, maxY = minY;
  for (const auto& [px, py] : points) {
    minX = std::min(minX, px);
    maxX = std::max(maxX, px);
    minY = std::min(minY, py);
    maxY = std::max(maxY, py);
  }
  // Even-odd rule, so that a star drawn as one outline fills correctly.
  auto inside = [&](double px, double py) {
    bool in = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const auto& [xi, yi] = points[i];
      const auto& [xj, yj] = points[j];
      if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
        in = !in;
    }
    return in;
  };
  for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y)
    for (int x = static_cast<int>(std::floor(minX)); x <= static_cast<int>(std::ceil(maxX)); ++x) {
      const int t = Coverage(x, y, inside);
      if (t > 0)
        Blend(x, y, c, t);
    }
}

void Painter::CopyWithin(const Rect& source, int x, int y) {
  gfx::Bitmap copy(source.Width(), source.Height());
  for (int sy = 0; sy < source.Height(); ++sy)
    for (int sx = 0; sx < source.Width(); ++sx)
      copy.SetPixel(sx, sy, bitmap_.GetPixel(source.left + sx, source.top + sy));
  for (int sy = 0; sy < copy.Height(); ++sy)
    for (int sx = 0; sx < copy.Width(); ++sx)
      bitmap_.SetPixel(x + sx, y + sy, copy.GetPixel(sx, sy));
}

}  // namespace art
