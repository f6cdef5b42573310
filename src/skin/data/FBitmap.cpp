#include "skin/data/FBitmap.h"

TbsFBitmap::TbsFBitmap(const gfx::Bitmap& bitmap) {
  if (bitmap.IsEmpty())
    return;
  width_ = bitmap.Width();
  height_ = bitmap.Height();
  gap_ = width_ % 4;
  rowLength_ = 3 * width_ + gap_;
  bits_.assign(static_cast<size_t>(rowLength_) * height_, 0);
  scanlines_.resize(height_);
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = bits_.data() + static_cast<size_t>(y) * rowLength_;
    scanlines_[y] = row;
    const gfx::Pixel* src = bitmap.Row(y);
    for (int x = 0; x < width_; ++x, row += 3) {
      row[0] = static_cast<uint8_t>(src[x]);
      row[1] = static_cast<uint8_t>(src[x] >> 8);
      row[2] = static_cast<uint8_t>(src[x] >> 16);
    }
  }
}

bool TbsFBitmap::IsBlack(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return false;
  const uint8_t* p = scanlines_[y] + 3 * x;
  return p[0] == 0 && p[1] == 0 && p[2] == 0;
}
