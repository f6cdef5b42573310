#include "tiles/SmoothScale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tiles {

namespace {

// For one output coordinate: the first source index and the weights of the
// source pixels that contribute, summing to 1.
struct Contribution {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Contribution> Contributions(int SourceSize, int DestSize) {
  const double scale = static_cast<double>(DestSize) / SourceSize;
  const double support = scale >= 1 ? 1.0 : 1.0 / scale;
  std::vector<Contribution> result(static_cast<std::size_t>(DestSize));
  for (int d = 0; d < DestSize; ++d) {
    const double centre = (d + 0.5) / scale - 0.5;
    const int lo = std::max(0, static_cast<int>(std::floor(centre - support)) + 1);
    const int hi = std::min(SourceSize - 1, static_cast<int>(std::ceil(centre + support)) - 1);
    Contribution& c = result[d];
    c.first = lo;
    double total = 0;
    for (int s = lo; s <= hi; ++s) {
      const double w = std::max(0.0, 1 - std::abs(s - centre) / support);
      c.weights.push_back(static_cast<float>(w));
      total += w;
    }
    if (total <= 0) {
      // Beyond the edges: the nearest pixel.
      c.first = std::clamp(static_cast<int>(std::lround(centre)), 0, SourceSize - 1);
      c.weights.assign(1, 1.0f);
      continue;
    }
    for (float& w : c.weights)
      w = static_cast<float>(w / total);
  }
  return result;
}

std::uint8_t ToByte(float v) {
  return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

gfx::Bitmap ScaleSmooth(const gfx::Bitmap& Picture, const gfx::Rect& Source, int Width,
                        int Height) {
  const gfx::Rect src = Source.Intersect(Picture.Bounds());
  if (src.IsEmpty() || Width <= 0 || Height <= 0)
    return {};
  const int sw = src.Width(), sh = src.Height();
  const auto columns = Contributions(sw, Width);
  const auto rows = Contributions(sh, Height);

  // Horizontal pass into floating rows of the source's height, then the
  // vertical pass into the result.
  std::vector<float> between(static_cast<std::size_t>(sh) * Width * 3);
  for (int y = 0; y < sh; ++y) {
    const gfx::Pixel* in = Picture.Row(src.top + y) + src.left;
    float* out = &between[static_cast<std::size_t>(y) * Width * 3];
    for (int x = 0; x < Width; ++x) {
      float b = 0, g = 0, r = 0;
      const Contribution& c = columns[x];
      for (std::size_t k = 0; k < c.weights.size(); ++k) {
        const gfx::Pixel p = in[c.first + static_cast<int>(k)];
        b += c.weights[k] * static_cast<float>(p & 0xFF);
        g += c.weights[k] * static_cast<float>((p >> 8) & 0xFF);
        r += c.weights[k] * static_cast<float>((p >> 16) & 0xFF);
      }
      out[x * 3] = b;
      out[x * 3 + 1] = g;
      out[x * 3 + 2] = r;
    }
  }
  gfx::Bitmap result(Width, Height);
  for (int y = 0; y < Height; ++y) {
    gfx::Pixel* out = result.Row(y);
    const Contribution& c = rows[y];
    for (int x = 0; x < Width; ++x) {
      float b = 0, g = 0, r = 0;
      for (std::size_t k = 0; k < c.weights.size(); ++k) {
        const float* in = &between[(static_cast<std::size_t>(c.first) + k) * Width * 3 + x * 3];
        b += c.weights[k] * in[0];
        g += c.weights[k] * in[1];
        r += c.weights[k] * in[2];
      }
      out[x] = static_cast<gfx::Pixel>(ToByte(b)) | static_cast<gfx::Pixel>(ToByte(g)) << 8 |
               static_cast<gfx::Pixel>(ToByte(r)) << 16;
    }
  }
  return result;
}

}  // namespace tiles
