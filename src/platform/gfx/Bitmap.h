#pragma once

// A 32-bit pixel buffer: blue, green, red and an unused byte per pixel in
// memory, rows top-down and tightly packed. Moving is cheap; copying is
// explicit (Clone) so that a large picture is never duplicated by accident.

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>

#include "platform/gfx/Color.h"
#include "platform/gfx/Geometry.h"

namespace gfx {

// A read-only window onto a rectangle of pixels, used as the source of
// blits. It does not own the pixels and must not outlive them.
struct ConstBitmapView {
  const Pixel* pixels = nullptr;  // the top-left pixel of the view
  int width = 0;
  int height = 0;
  int stride = 0;  // pixels from one row to the next

  const Pixel* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
  bool IsEmpty() const { return width <= 0 || height <= 0; }
};

// Copies a run of pixels between places that do not overlap. Pictures are
// mostly drawn from short pieces (a border three pixels wide, a tile of a
// few): runs of up to 16 pixels are copied in place, without a call.
inline void CopyPixels(Pixel* to, const Pixel* from, int count) {
  constexpr std::size_t kFour = 4 * sizeof(Pixel);
  if (count > 16) {
    std::memcpy(to, from, static_cast<std::size_t>(count) * sizeof(Pixel));
  } else if (count >= 4) {
    // Groups of four, the last one ending at the end of the run.
    for (int i = 0; i < count - 4; i += 4)
      std::memcpy(to + i, from + i, kFour);
    std::memcpy(to + count - 4, from + count - 4, kFour);
  } else if (count >= 2) {
    std::memcpy(to, from, 2 * sizeof(Pixel));
    to[count - 1] = from[count - 1];
  } else if (count == 1) {
    to[0] = from[0];
  }
}

class Bitmap {
 public:
  // The largest width or height a bitmap may have; decoders check their
  // input against it before allocating.
  static constexpr int kMaxDimension = 32768;
  // The most pixels a bitmap may hold (256 MB of pixels): far beyond any
  // window or picture of this program, and short of what would take the
  // machine down.
  static constexpr long long kMaxPixels = 64LL * 1024 * 1024;

  Bitmap() = default;
  // A black bitmap. Negative sizes give an empty bitmap; a side above
  // kMaxDimension or more than kMaxPixels throw std::bad_alloc, as any
  // failed allocation does.
  Bitmap(int width, int height);
  Bitmap(int width, int height, ColorRef fill);

  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;
  ~Bitmap() = default;

  Bitmap Clone() const;

  // A bitmap over pixels that another owner lends, such as memory a display
  // server reads from directly: width x height pixels, rows tightly packed.
  // `release` runs when the bitmap lets go of them. Invalid sizes give an
  // empty bitmap and release the pixels at once.
  static Bitmap Adopt(Pixel* pixels, int width, int height, std::function<void(Pixel*)> release);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Size GetSize() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  bool IsEmpty() const { return width_ <= 0 || height_ <= 0; }
  // Bytes from the start of one row to the next.
  int Stride() const { return width_ * 4; }
  // Pixels from the start of one row to the next.
  int StridePixels() const { return width_; }

  Pixel* Row(int y) { return pixels_.get() + static_cast<std::ptrdiff_t>(y) * width_; }
  const Pixel* Row(int y) const { return pixels_.get() + static_cast<std::ptrdiff_t>(y) * width_; }
  Pixel* Bits() { return pixels_.get(); }
  const Pixel* Bits() const { return pixels_.get(); }
  std::size_t ByteSize() const { return static_cast<std::size_t>(width_) * height_ * 4; }

  // Colour access with bounds checks: reading outside gives CLR_INVALID,
  // writing outside does nothing.
  ColorRef GetPixel(int x, int y) const;
  void SetPixel(int x, int y, ColorRef color);

  void Fill(ColorRef color);

  // The part of the bitmap inside rect (clipped to the bitmap).
  ConstBitmapView View(const Rect& rect) const;
  ConstBitmapView View() const { return View(Bounds()); }

  // Pixel-for-pixel equality of size and colour (the unused byte ignored).
  bool SameAs(const Bitmap& other) const;

 private:
  // Pixels left uninitialised, for copies that overwrite every one of them.
  struct Uninitialized {};
  Bitmap(int width, int height, Uninitialized);

  // Frees pixels of our own, or hands lent ones back to their owner.
  struct PixelRelease {
    std::function<void(Pixel*)> release;
    void operator()(Pixel* pixels) const;
  };

  std::unique_ptr<Pixel[], PixelRelease> pixels_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace gfx
