#include "skin/data/EffectBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Rounds to the nearest integer, ties to even, and clamps to a channel.
// Adding and taking away 1.5 * 2^52 leaves no fraction bits, so the sum is
// rounded by the processor's default mode, nearest-even, without a library
// call in the innermost loops.
inline uint8_t Channel(double v) {
  if (!(v > 0))
    return 0;
  if (v >= 255)
    return 255;
  constexpr double kRound = 6755399441055744.0;
  return static_cast<uint8_t>((v + kRound) - kRound);
}

int RoundInt(double v) {
  return static_cast<int>(std::nearbyint(v));
}

double Clamp01(double k) {
  if (!(k > 0))
    return 0;
  return k > 1 ? 1 : k;
}

// Mixes a run of channels with weight t: t * a + (1 - t) * b.
void MixRun(uint8_t* a, const uint8_t* b, int count, double t) {
  for (int i = 0; i < count; ++i)
    a[i] = Channel(t * a[i] + (1 - t) * b[i]);
}

}  // namespace

TbsEffectBmp::TbsEffectBmp(int width, int height) {
  if (width <= 0 || height <= 0)
    return;
  width_ = width;
  height_ = height;
  rowLength_ = 3 * width + width % 4;
  pixels_.assign(static_cast<size_t>(rowLength_) * height, 0);
}

TbsEffectBmp::TbsEffectBmp(const gfx::Bitmap& bitmap)
    : TbsEffectBmp(bitmap.Width(), bitmap.Height()) {
  for (int y = 0; y < height_; ++y) {
    const gfx::Pixel* src = bitmap.Row(y);
    uint8_t* dst = RowPtr(y);
    for (int x = 0; x < width_; ++x, dst += 3) {
      dst[0] = static_cast<uint8_t>(src[x]);
      dst[1] = static_cast<uint8_t>(src[x] >> 8);
      dst[2] = static_cast<uint8_t>(src[x] >> 16);
    }
  }
}

gfx::Bitmap TbsEffectBmp::ToBitmap() const {
  gfx::Bitmap bitmap(width_, height_);
  for (int y = 0; y < height_; ++y) {
    const uint8_t* src = RowPtr(y);
    gfx::Pixel* dst = bitmap.Row(y);
    for (int x = 0; x < width_; ++x, src += 3)
      dst[x] = gfx::Pixel{src[0]} | gfx::Pixel{src[1]} << 8 | gfx::Pixel{src[2]} << 16;
  }
  return bitmap;
}

void TbsEffectBmp::Draw(gfx::DeviceContext& dc, int x, int y) const {
  if (pixels_.empty())
    return;
  dc.DrawBitmap(x, y, ToBitmap());
}

TbsBGR TbsEffectBmp::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return {};
  const uint8_t* p = RowPtr(y) + 3 * x;
  return {p[0], p[1], p[2]};
}

void TbsEffectBmp::SetPixel(int x, int y, TbsBGR color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return;
  uint8_t* p = RowPtr(y) + 3 * x;
  p[0] = color.b;
  p[1] = color.g;
  p[2] = color.r;
}

void TbsEffectBmp::GetRow(int y, uint8_t* row) const {
  if (y >= 0 && y < height_)
    std::memcpy(row, RowPtr(y), 3 * static_cast<size_t>(width_));
}

void TbsEffectBmp::SetRow(int y, const uint8_t* row) {
  if (y >= 0 && y < height_)
    std::memcpy(RowPtr(y), row, 3 * static_cast<size_t>(width_));
}

namespace {

int SlideWidth(int width, double k) {
  int b = RoundInt(width * k);
  if (b <= 0)
    b = 1;
  if (b > width - 1)
    b = width - 1;
  return b;
}

}  // namespace

bool IsSlidingMorph(TbsMorphKind kind) {
  return kind == TbsMorphKind::mkLeftSlide || kind == TbsMorphKind::mkRightSlide ||
         kind == TbsMorphKind::mkPush;
}

// The left slide brings the other look's right end in from the left; the
// right slide its left end in from the right; the push moves the element's
// own look right as the other look's right end enters from the left.
TbsMorphRuns MorphRuns(TbsMorphKind kind, int width, double k) {
  if (width <= 0 || !IsSlidingMorph(kind))
    return {};
  k = Clamp01(k);
  if (kind == TbsMorphKind::mkLeftSlide) {
    const int n = SlideWidth(width, k);
    return {{{0, n, width - n, true}, {n, width - n, n, false}}};
  }
  if (kind == TbsMorphKind::mkRightSlide) {
    const int n = SlideWidth(width, k);
    return {{{0, width - n, 0, false}, {width - n, n, 0, true}}};
  }
  const int a = std::clamp(RoundInt(width * k), 0, width - 1);
  return {{{0, a + 1, width - a - 1, true}, {a + 1, width - a - 1, 0, false}}};
}

void TbsEffectBmp::ApplyMorph(TbsMorphKind kind, const TbsEffectBmp& other, double k) {
  ApplyMorph(kind, other, k, {width_, height_, 0, 0});
}

void TbsEffectBmp::ApplyMorph(TbsMorphKind kind, const TbsEffectBmp& other, double k,
                              const TbsMorphPlace& place) {
  if (other.width_ != width_ || other.height_ != height_ || pixels_.empty())
    return;
  if (place.left < 0 || place.top < 0 ||
      static_cast<long long>(place.left) + width_ > place.width ||
      static_cast<long long>(place.top) + height_ > place.height)
    return;
  k = Clamp01(k);
  switch (kind) {
    case TbsMorphKind::mkDefault:
      Blend(other, k);
      break;
    case TbsMorphKind::mkGradient:
      CentreGradient(other, k, place);
      break;
    case TbsMorphKind::mkLeftGradient:
      LeftGradient(other, k, place);
      break;
    case TbsMorphKind::mkRightGradient:
      RightGradient(other, k, place);
      break;
    case TbsMorphKind::mkLeftSlide:
    case TbsMorphKind::mkRightSlide:
    case TbsMorphKind::mkPush:
      if (place.left == 0 && place.width == width_)
        Slide(other, MorphRuns(kind, width_, k));
      break;
  }
}

void TbsEffectBmp::Blend(const TbsEffectBmp& b, double k) {
  // The two products of every channel value, computed once per call; the
  // sum is the same expression as (1 - k) * a + k * b.
  double fromA[256], fromB[256];
  for (int v = 0; v < 256; ++v) {
    fromA[v] = (1 - k) * v;
    fromB[v] = k * v;
  }
  for (int y = 0; y < height_; ++y) {
    uint8_t* pa = RowPtr(y);
    const uint8_t* pb = b.RowPtr(y);
    for (int i = 0; i < 3 * width_; ++i)
      pa[i] = Channel(fromA[pa[i]] + fromB[pb[i]]);
  }
}

// Applies per-column weights to every row: a column with weight t is mixed
// as t * A + (1 - t) * B; a column without weight (negative) keeps A. The
// weights are the whole element's; this buffer's column x is its left + x.
void TbsEffectBmp::MixColumns(const TbsEffectBmp& b, const std::vector<double>& weights, int left) {
  for (int y = 0; y < height_; ++y) {
    uint8_t* pa = RowPtr(y);
    const uint8_t* pb = b.RowPtr(y);
    for (int x = 0; x < width_; ++x)
      if (weights[left + x] >= 0)
        MixRun(pa + 3 * x, pb + 3 * x, 3, weights[left + x]);
  }
}

// A band of B grows from the middle outwards, with A fading into it on both
// sides. Wide elements run the band across columns, tall ones across rows.
// The band's positions get weight 0; from each edge of the band the weight
// grows by one step per position outwards, up to 1.
void TbsEffectBmp::CentreGradient(const TbsEffectBmp& b, double k, const TbsMorphPlace& place) {
  const bool columns = place.width >= place.height;
  const int n = columns ? place.width : place.height;
  const int band = RoundInt(n * k);
  const int c = columns ? (n - band) / 2 : (n - 1 - band) / 2;
  const double step = c != 0 ? 1.0 / c : (columns ? 1.0 : 0.0);
  const int lo = std::max(n / 2 - band / 2, 0);
  const int hi = std::min(n / 2 + band / 2, n - 1);

  std::vector<double> weights(n, 0.0);
  double t = 0;
  for (int pos = lo; pos >= 0; --pos, t = std::min(t + step, 1.0))
    weights[pos] = t;
  t = 0;
  for (int pos = hi; pos < n; ++pos, t = std::min(t + step, 1.0))
    weights[pos] = t;
  if (columns) {
    MixColumns(b, weights, place.left);
    return;
  }
  for (int y = 0; y < height_; ++y)
    MixRun(RowPtr(y), b.RowPtr(y), 3 * width_, weights[place.top + y]);
}

void TbsEffectBmp::LeftGradient(const TbsEffectBmp& b, double k, const TbsMorphPlace& place) {
  const int width = place.width;
  int a = RoundInt(width * k);
  if (a <= 0)
    a = 1;
  if (a > width - 1)
    a = width - 1;
  const double step = a != 0 ? 1.0 / a : 1.0;
  std::vector<double> weights(width, -1.0);
  double t = 0;
  for (int x = 0; x <= a; ++x, t = std::min(t + step, 1.0))
    weights[x] = t;
  MixColumns(b, weights, place.left);
}

void TbsEffectBmp::RightGradient(const TbsEffectBmp& b, double k, const TbsMorphPlace& place) {
  const int width = place.width;
  int a = width - RoundInt(width * k);
  if (a < 0)
    a = 0;
  if (a > width - 1)
    a = width - 1;
  const double step = width - a > 0 ? 1.0 / (width - a) : 1.0;
  std::vector<double> weights(width, -1.0);
  double t = 0;
  for (int x = width - 1; x >= a; --x, t = std::min(t + step, 1.0))
    weights[x] = t;
  MixColumns(b, weights, place.left);
}

// The element's own columns move first (a slide leaves them where they
// are), then the other look's columns come in where the row is free.
void TbsEffectBmp::Slide(const TbsEffectBmp& b, const TbsMorphRuns& runs) {
  const auto bytes = [](int pixels) { return 3 * static_cast<size_t>(pixels); };
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = RowPtr(y);
    for (const TbsMorphRun& run : runs)
      if (!run.fromOther && run.source != run.dest)
        std::memmove(row + bytes(run.dest), row + bytes(run.source), bytes(run.count));
    for (const TbsMorphRun& run : runs)
      if (run.fromOther)
        std::memcpy(row + bytes(run.dest), b.RowPtr(y) + bytes(run.source), bytes(run.count));
  }
}

void TbsEffectBmp::Lighten(double k) {
  k = Clamp01(k);
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = RowPtr(y);
    for (int i = 0; i < 3 * width_; ++i)
      p[i] = Channel((1 - k) * p[i] + k * 255);
  }
}

void TbsEffectBmp::Darken(double k) {
  k = Clamp01(k);
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = RowPtr(y);
    for (int i = 0; i < 3 * width_; ++i)
      p[i] = Channel((1 - k) * p[i]);
  }
}

void TbsEffectBmp::GreyScale() {
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = RowPtr(y);
    for (int x = 0; x < width_; ++x, p += 3) {
      uint8_t grey = Channel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
      p[0] = p[1] = p[2] = grey;
    }
  }
}

void TbsEffectBmp::AddNoise(int amount) {
  if (amount <= 0)
    return;
  std::uniform_int_distribution<int> pick(0, amount - 1);
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = RowPtr(y);
    for (int x = 0; x < width_; ++x, p += 3) {
      const int offset = pick(noise_) - amount / 2;
      for (int i = 0; i < 3; ++i)
        p[i] = static_cast<uint8_t>(std::clamp(p[i] + offset, 0, 255));
    }
  }
}

void TbsEffectBmp::SplitBlur(int d) {
  if (d == 0)
    return;
  // A neighbour outside the buffer is replaced by the pixel's own row or
  // column, whichever way d points.
  const long long dist = d;
  auto along = [](int v, long long offset, int limit) {
    const long long w = v + offset;
    return w < 0 || w >= limit ? v : static_cast<int>(w);
  };
  for (int y = 0; y < height_; ++y) {
    const uint8_t* upper = RowPtr(along(y, -dist, height_));
    const uint8_t* lower = RowPtr(along(y, dist, height_));
    uint8_t* row = RowPtr(y);
    for (int x = 0; x < width_; ++x) {
      const int left = 3 * along(x, -dist, width_);
      const int right = 3 * along(x, dist, width_);
      for (int i = 0; i < 3; ++i) {
        const int sum = upper[left + i] + lower[left + i] + upper[right + i] + lower[right + i];
        row[3 * x + i] = static_cast<uint8_t>(sum / 4);
      }
    }
  }
}

void TbsEffectBmp::Invert() {
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = RowPtr(y);
    for (int i = 0; i < 3 * width_; ++i)
      p[i] = static_cast<uint8_t>(255 - p[i]);
  }
}

void TbsEffectBmp::RotateLeftInto(TbsEffectBmp& dest) const {
  if (dest.width_ != height_ || dest.height_ != width_)
    return;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      std::memcpy(dest.RowPtr(width_ - 1 - x) + 3 * y, RowPtr(y) + 3 * x, 3);
}

void TbsEffectBmp::RotateRightInto(TbsEffectBmp& dest) const {
  if (dest.width_ != height_ || dest.height_ != width_)
    return;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      std::memcpy(dest.RowPtr(x) + 3 * (height_ - 1 - y), RowPtr(y) + 3 * x, 3);
}
