// Block transfers of DeviceContext: copies with raster operations, scaled
// copies and colour-keyed copies.

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/DeviceContext.h"

namespace gfx {

namespace {

bool UsesSource(std::uint32_t rop) {
  return rop != BLACKNESS && rop != WHITENESS && rop != DSTINVERT && rop != PATCOPY;
}

// One row of a raster operation. `src` may be null for operations that do
// not read the source; it never overlaps `dst`.
void BlitRow(Pixel* dst, const Pixel* src, int count, std::uint32_t rop, Pixel brush) {
  switch (rop) {
    case SRCCOPY:
      CopyPixels(dst, src, count);
      return;
    case SRCPAINT:
      for (int i = 0; i < count; ++i)
        dst[i] = (dst[i] | src[i]) & 0x00FFFFFF;
      return;
    case SRCAND:
      for (int i = 0; i < count; ++i)
        dst[i] = dst[i] & src[i] & 0x00FFFFFF;
      return;
    case SRCINVERT:
      for (int i = 0; i < count; ++i)
        dst[i] = (dst[i] ^ src[i]) & 0x00FFFFFF;
      return;
    case NOTSRCCOPY:
      for (int i = 0; i < count; ++i)
        dst[i] = ~src[i] & 0x00FFFFFF;
      return;
    case DSTINVERT:
      for (int i = 0; i < count; ++i)
        dst[i] = ~dst[i] & 0x00FFFFFF;
      return;
    case BLACKNESS:
      std::fill_n(dst, count, Pixel{0});
      return;
    case WHITENESS:
      std::fill_n(dst, count, Pixel{0x00FFFFFF});
      return;
    case PATCOPY:
      std::fill_n(dst, count, brush);
      return;
    default:
      // An operation this program never uses: treat it as a plain copy
      // rather than leaving the destination half-drawn.
      std::memmove(dst, src, static_cast<std::size_t>(count) * sizeof(Pixel));
      return;
  }
}

// Where a destination offset i (0 <= i < length) samples its source, for a
// nearest-neighbour scale of `srcLength` pixels onto `length`: the source
// pixel under the centre of the destination pixel.
int SampleAt(int i, int length, int srcLength, bool mirror) {
  long long s = (2LL * i + 1) * srcLength / (2LL * length);
  return mirror ? srcLength - 1 - static_cast<int>(s) : static_cast<int>(s);
}

}  // namespace

void DeviceContext::BlitView(const Rect& deviceDest, const ConstBitmapView& source,
                             std::uint32_t rop) {
  Rect bounded = deviceDest.Intersect(clipBounds_);
  if (bounded.IsEmpty())
    return;
  const Pixel brush = PixelFromColor(ColorToRGB(state_.brush.color));
  const bool withSource = UsesSource(rop);
  for (const Rect& clip : clipRects_) {
    Rect r = bounded.Intersect(clip);
    if (r.IsEmpty())
      continue;
    const int count = r.Width();
    for (int y = r.top; y < r.bottom; ++y) {
      const Pixel* src = nullptr;
      if (withSource)
        src = source.Row(y - deviceDest.top) + (r.left - deviceDest.left);
      BlitRow(target_->Row(y) + r.left, src, count, rop, brush);
    }
  }
}

void DeviceContext::BitBlt(int x, int y, int width, int height, const Bitmap& source, int sx,
                           int sy, std::uint32_t rop) {
  if (width <= 0 || height <= 0)
    return;
  Rect dest = ToDevice(Rect::FromXYWH(x, y, width, height));
  if (!UsesSource(rop)) {
    BlitView(dest, {}, rop);
    return;
  }
  // Only the part of the source inside its bitmap is drawn.
  Rect src = Rect::FromXYWH(sx, sy, width, height).Intersect(source.Bounds());
  if (src.IsEmpty())
    return;
  dest = src.Offset(dest.left - sx, dest.top - sy);
  if (dest.Intersect(clipBounds_).IsEmpty())
    return;

  // A copy within one bitmap whose areas overlap goes through a scratch
  // copy, since the clip rectangles may be visited in any order.
  if (&source == target_ && !dest.Intersect(src).IsEmpty()) {
    Bitmap scratch(src.Width(), src.Height());
    for (int row = 0; row < src.Height(); ++row)
      std::memcpy(scratch.Row(row), source.Row(src.top + row) + src.left,
                  static_cast<std::size_t>(src.Width()) * sizeof(Pixel));
    BlitView(dest, scratch.View(), rop);
    return;
  }
  BlitView(dest, source.View(src), rop);
}

void DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sx,
                           int sy, std::uint32_t rop) {
  Point s = source.ToDevice(Point{sx, sy});
  BitBlt(x, y, width, height, source.Target(), s.x, s.y, rop);
}

void DeviceContext::DrawBitmap(int x, int y, const Bitmap& source) {
  BitBlt(x, y, source.Width(), source.Height(), source, 0, 0, SRCCOPY);
}

void DeviceContext::StretchBlt(int x, int y, int width, int height, const Bitmap& source, int sx,
                               int sy, int sw, int sh) {
  StretchCore(x, y, width, height, source, sx, sy, sw, sh, std::nullopt);
}

void DeviceContext::TransparentBlt(int x, int y, int width, int height, const Bitmap& source,
                                   int sx, int sy, int sw, int sh, ColorRef key) {
  StretchCore(x, y, width, height, source, sx, sy, sw, sh, ColorToRGB(key));
}

void DeviceContext::TileBlt(const Rect& dest, const Bitmap& source, const Rect& sourceRect) {
  const Rect tile = sourceRect.Intersect(source.Bounds());
  if (tile.IsEmpty() || dest.IsEmpty())
    return;
  const Rect d = ToDevice(dest);
  const Rect bounded = d.Intersect(clipBounds_);
  if (bounded.IsEmpty())
    return;
  const Bitmap* src = &source;
  Bitmap scratch;
  if (&source == target_) {
    scratch = source.Clone();
    src = &scratch;
  }
  const int tw = tile.Width();
  const int th = tile.Height();
  for (const Rect& clip : clipRects_) {
    const Rect r = bounded.Intersect(clip);
    if (r.IsEmpty())
      continue;
    const int length = r.Width();
    // Where the rows start in the tile: the column is the same for every
    // row, and the tile's row steps along with y.
    const int offset = (r.left - d.left) % tw;
    const int period = std::min(tw, length);
    const int head = std::min(tw - offset, period);
    int tileRow = (r.top - d.top) % th;
    for (int y = r.top; y < r.bottom; ++y, tileRow = tileRow + 1 == th ? 0 : tileRow + 1) {
      Pixel* out = target_->Row(y) + r.left;
      // A row one tile height below another repeats it.
      if (y - th >= r.top) {
        CopyPixels(out, target_->Row(y - th) + r.left, length);
        continue;
      }
      // One period of the tile from where the row starts in it; then the
      // row so far, a whole number of periods, copied after itself until
      // it is full, which takes few copies however narrow the tile.
      const Pixel* in = src->Row(tile.top + tileRow) + tile.left;
      CopyPixels(out, in + offset, head);
      CopyPixels(out + head, in, period - head);
      for (int filled = period; filled < length;) {
        const int count = std::min(filled, length - filled);
        CopyPixels(out + filled, out, count);
        filled += count;
      }
    }
  }
}

void DeviceContext::AlphaBlend(int x, int y, int width, int height, const Bitmap& source, int sx,
                               int sy, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  if (alpha == 0 || width <= 0 || height <= 0)
    return;
  if (alpha == 255) {
    BitBlt(x, y, width, height, source, sx, sy, SRCCOPY);
    return;
  }
  const Rect src = Rect::FromXYWH(sx, sy, width, height).Intersect(source.Bounds());
  if (src.IsEmpty())
    return;
  const Point origin = ToDevice(Point{x, y});
  const Rect dest = src.Offset(origin.x - sx, origin.y - sy);
  const Rect bounded = dest.Intersect(clipBounds_);
  if (bounded.IsEmpty())
    return;
  const unsigned a = static_cast<unsigned>(alpha);
  const unsigned inv = 255 - a;
  for (const Rect& clip : clipRects_) {
    Rect r = bounded.Intersect(clip);
    for (int dy = r.top; dy < r.bottom; ++dy) {
      const Pixel* in = source.Row(dy - dest.top + src.top) + (r.left - dest.left + src.left);
      Pixel* out = target_->Row(dy) + r.left;
      for (int i = 0; i < r.Width(); ++i) {
        const Pixel s = in[i];
        const Pixel d = out[i];
        const unsigned b = ((s & 0xFF) * a + (d & 0xFF) * inv + 127) / 255;
        const unsigned g = (((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * inv + 127) / 255;
        const unsigned rr = (((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * inv + 127) / 255;
        out[i] = b | (g << 8) | (rr << 16);
      }
    }
  }
}

void DeviceContext::SetDIBitsToDevice(int x, int y, int width, int height, const std::uint8_t* bits,
                                      int rowBytes) {
  if (width <= 0 || height <= 0 || !bits || rowBytes < width * 3)
    return;
  const Rect dest = ToDevice(Rect::FromXYWH(x, y, width, height));
  const Rect bounded = dest.Intersect(clipBounds_);
  if (bounded.IsEmpty())
    return;
  for (const Rect& clip : clipRects_) {
    Rect r = bounded.Intersect(clip);
    for (int dy = r.top; dy < r.bottom; ++dy) {
      const std::uint8_t* in =
          bits + static_cast<std::ptrdiff_t>(dy - dest.top) * rowBytes + 3 * (r.left - dest.left);
      Pixel* out = target_->Row(dy);
      for (int dx = r.left; dx < r.right; ++dx, in += 3)
        out[dx] = in[0] | (in[1] << 8) | (in[2] << 16);
    }
  }
}

void DeviceContext::StretchCore(int x, int y, int width, int height, const Bitmap& source, int sx,
                                int sy, int sw, int sh, std::optional<ColorRef> key) {
  if (width == 0 || height == 0 || sw == 0 || sh == 0)
    return;
  if (!key && width == sw && height == sh && width > 0 && height > 0) {
    BitBlt(x, y, width, height, source, sx, sy, SRCCOPY);
    return;
  }
  // A negative extent on either side mirrors; normalise both to positive.
  bool mirrorX = (width < 0) != (sw < 0);
  bool mirrorY = (height < 0) != (sh < 0);
  if (width < 0) {
    x += width;
    width = -width;
  }
  if (height < 0) {
    y += height;
    height = -height;
  }
  if (sw < 0) {
    sx += sw;
    sw = -sw;
  }
  if (sh < 0) {
    sy += sh;
    sh = -sh;
  }

  const Rect dest = ToDevice(Rect::FromXYWH(x, y, width, height));
  const Rect bounded = dest.Intersect(clipBounds_);
  if (bounded.IsEmpty())
    return;

  // Scaling a bitmap onto itself reads pixels it has already written.
  Bitmap scratch;
  const Bitmap* src = &source;
  if (&source == target_) {
    scratch = source.Clone();
    src = &scratch;
  }

  // Source column for each destination column of the drawn area; -1 where
  // the source lies outside its bitmap.
  std::vector<int> columns(static_cast<std::size_t>(bounded.Width()));
  for (int dx = bounded.left; dx < bounded.right; ++dx) {
    int c = sx + SampleAt(dx - dest.left, width, sw, mirrorX);
    columns[static_cast<std::size_t>(dx - bounded.left)] = (c >= 0 && c < src->Width()) ? c : -1;
  }
  const bool keyed = key.has_value();
  const Pixel keyPixel = keyed ? PixelFromColor(*key) : 0;
  const int* column = columns.data();

  for (const Rect& clip : clipRects_) {
    Rect r = bounded.Intersect(clip);
    if (r.IsEmpty())
      continue;
    for (int dy = r.top; dy < r.bottom; ++dy) {
      int row = sy + SampleAt(dy - dest.top, height, sh, mirrorY);
      if (row < 0 || row >= src->Height())
        continue;
      const Pixel* in = src->Row(row);
      Pixel* out = target_->Row(dy);
      for (int dx = r.left; dx < r.right; ++dx) {
        const int c = column[dx - bounded.left];
        if (c < 0)
          continue;
        const Pixel p = in[c] & 0x00FFFFFF;
        if (keyed && p == keyPixel)
          continue;
        out[dx] = p;
      }
    }
  }
}

}  // namespace gfx
