#pragma once

// TbsFBitmap: a bitmap's pixels in 24 bits, top-down, with a table of row
// starts, for code that scans pictures row by row (the mask-to-region
// builder). Rows are 3 * width bytes plus width mod 4 bytes of padding, the
// same layout as TbsEffectBmp.

#include <cstdint>
#include <vector>

#include "platform/gfx/Bitmap.h"

class TbsFBitmap {
 public:
  explicit TbsFBitmap(const gfx::Bitmap& bitmap);
  TbsFBitmap(const TbsFBitmap&) = delete;
  TbsFBitmap& operator=(const TbsFBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int RowLength() const { return rowLength_; }
  int Gap() const { return gap_; }
  int Size() const { return static_cast<int>(bits_.size()); }
  const uint8_t* Bits() const { return bits_.data(); }
  // The start of row y (0 = top); y must lie inside the bitmap.
  const uint8_t* Scanline(int y) const { return scanlines_[y]; }
  uint8_t* Scanline(int y) { return scanlines_[y]; }
  // True when the pixel's red, green and blue are all 0; false outside.
  bool IsBlack(int x, int y) const;

 private:
  int width_ = 0;
  int height_ = 0;
  int rowLength_ = 0;
  int gap_ = 0;
  std::vector<uint8_t> bits_;
  std::vector<uint8_t*> scanlines_;
};
