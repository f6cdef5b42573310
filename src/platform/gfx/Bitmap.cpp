#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <utility>

namespace gfx {

static_assert(std::endian::native == std::endian::little,
              "pixels are stored as little-endian 32-bit words");

Bitmap::Bitmap(int width, int height, Uninitialized) {
  if (width <= 0 || height <= 0)
    return;
  if (width > kMaxDimension || height > kMaxDimension ||
      static_cast<long long>(width) * height > kMaxPixels)
    throw std::bad_alloc();
  pixels_.reset(new Pixel[static_cast<std::size_t>(width) * height]);
  width_ = width;
  height_ = height;
}

void Bitmap::PixelRelease::operator()(Pixel* pixels) const {
  if (release)
    release(pixels);
  else
    delete[] pixels;
}

Bitmap Bitmap::Adopt(Pixel* pixels, int width, int height, std::function<void(Pixel*)> release) {
  Bitmap bitmap;
  bitmap.pixels_ = std::unique_ptr<Pixel[], PixelRelease>(pixels, PixelRelease{std::move(release)});
  if (pixels == nullptr || width <= 0 || height <= 0 || width > kMaxDimension ||
      height > kMaxDimension || static_cast<long long>(width) * height > kMaxPixels) {
    bitmap.pixels_.reset();
    return bitmap;
  }
  bitmap.width_ = width;
  bitmap.height_ = height;
  return bitmap;
}

Bitmap::Bitmap(int width, int height) : Bitmap(width, height, Uninitialized{}) {
  if (!IsEmpty())
    std::memset(Bits(), 0, ByteSize());
}

Bitmap::Bitmap(int width, int height, ColorRef fill) : Bitmap(width, height, Uninitialized{}) {
  Fill(fill);
}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : pixels_(std::move(other.pixels_)), width_(other.width_), height_(other.height_) {
  other.width_ = 0;
  other.height_ = 0;
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this != &other) {
    pixels_ = std::move(other.pixels_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
  }
  return *this;
}

Bitmap Bitmap::Clone() const {
  Bitmap copy(width_, height_, Uninitialized{});
  if (!IsEmpty())
    std::memcpy(copy.Bits(), Bits(), ByteSize());
  return copy;
}

ColorRef Bitmap::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return CLR_INVALID;
  return ColorFromPixel(Row(y)[x]);
}

void Bitmap::SetPixel(int x, int y, ColorRef color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return;
  Row(y)[x] = PixelFromColor(ColorToRGB(color));
}

void Bitmap::Fill(ColorRef color) {
  if (IsEmpty())
    return;
  // A block of pixels is set one by one and then copied over the rest, so
  // that a large picture is filled at the speed of memory copies; the block
  // stays in the nearest cache.
  constexpr std::size_t kBlock = 4096;
  const std::size_t total = static_cast<std::size_t>(width_) * height_;
  const std::size_t block = std::min(total, kBlock);
  Pixel* bits = Bits();
  std::fill_n(bits, block, PixelFromColor(ColorToRGB(color)));
  for (std::size_t done = block; done < total; done += block)
    std::memcpy(bits + done, bits, std::min(block, total - done) * sizeof(Pixel));
}

ConstBitmapView Bitmap::View(const Rect& rect) const {
  Rect r = rect.Intersect(Bounds());
  if (r.IsEmpty())
    return {};
  return {Row(r.top) + r.left, r.Width(), r.Height(), width_};
}

bool Bitmap::SameAs(const Bitmap& other) const {
  if (width_ != other.width_ || height_ != other.height_)
    return false;
  for (int y = 0; y < height_; ++y) {
    const Pixel* a = Row(y);
    const Pixel* b = other.Row(y);
    for (int x = 0; x < width_; ++x)
      if ((a[x] ^ b[x]) & 0x00FFFFFF)
        return false;
  }
  return true;
}

}  // namespace gfx
