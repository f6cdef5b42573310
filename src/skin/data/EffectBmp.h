#pragma once

// TbsEffectBmp: a 24-bit, top-down pixel buffer on which the skin's pixel
// effects run: the morph between an element's normal and active image, and
// the effects that turn the frame's pieces into their inactive look.
//
// Layout: row y starts at y * RowLength(); a row is 3 * width bytes rounded
// up to a multiple of 4 (3 * width + width mod 4); pixel x of a row is three
// bytes at 3 * x in the order blue, green, red.

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinValues.h"

struct TbsBGR {
  uint8_t b = 0;
  uint8_t g = 0;
  uint8_t r = 0;

  friend bool operator==(const TbsBGR&, const TbsBGR&) = default;
};

// Where a buffer lies in the whole element it is a part of: the element is
// width x height, and the buffer's pixel (0, 0) is its pixel (left, top).
struct TbsMorphPlace {
  int width = 0;
  int height = 0;
  int left = 0;
  int top = 0;
};

// A run of columns of a sliding morph: columns [dest, dest + count) of the
// result are columns [source, source + count) of the other look
// (fromOther) or of the element's own.
struct TbsMorphRun {
  int dest = 0;
  int count = 0;
  int source = 0;
  bool fromOther = false;
};

// True for the kinds that move columns (the slides and the push) rather
// than mix pixels where they stand.
bool IsSlidingMorph(TbsMorphKind kind);
// The two runs that make up every row of a width-wide sliding morph at
// factor k (taken as ApplyMorph takes it); a run may be empty, and both
// are empty for the other kinds.
using TbsMorphRuns = std::array<TbsMorphRun, 2>;
TbsMorphRuns MorphRuns(TbsMorphKind kind, int width, double k);

class TbsEffectBmp {
 public:
  // A buffer of that size, all black. Negative sizes give an empty buffer.
  TbsEffectBmp(int width, int height);
  // A buffer of the bitmap's size holding its pixels in 24 bits.
  explicit TbsEffectBmp(const gfx::Bitmap& bitmap);

  // The buffer as a 32-bit bitmap, and drawn unscaled with its top-left
  // corner at (x, y).
  gfx::Bitmap ToBitmap() const;
  void Draw(gfx::DeviceContext& dc, int x, int y) const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int RowLength() const { return rowLength_; }
  // Number of pixel bytes: height * row length.
  int Size() const { return static_cast<int>(pixels_.size()); }
  uint8_t* Pixels() { return pixels_.data(); }
  const uint8_t* Pixels() const { return pixels_.data(); }
  uint8_t* RowPtr(int y) { return pixels_.data() + static_cast<size_t>(y) * rowLength_; }
  const uint8_t* RowPtr(int y) const {
    return pixels_.data() + static_cast<size_t>(y) * rowLength_;
  }

  // Outside the buffer a read gives black and a write does nothing.
  TbsBGR GetPixel(int x, int y) const;
  void SetPixel(int x, int y, TbsBGR color);
  // Copies row y out of or into a buffer of 3 * width bytes.
  void GetRow(int y, uint8_t* row) const;
  void SetRow(int y, const uint8_t* row);

  // Changes this buffer towards other by factor k (0 = unchanged, 1 = other)
  // in the manner of kind. Nothing happens when the sizes differ. k is taken
  // as 0 below 0 (and when it is not a number) and as 1 above 1.
  void ApplyMorph(TbsMorphKind kind, const TbsEffectBmp& other, double k);
  // The same for a part of an element at place: the buffer becomes that part
  // of the element's morph. A sliding kind moves pixels along rows, so its
  // part must span the element's width; a narrower part is left unchanged
  // (compose those from MorphRuns).
  void ApplyMorph(TbsMorphKind kind, const TbsEffectBmp& other, double k,
                  const TbsMorphPlace& place);

  void Lighten(double k);
  void Darken(double k);
  void GreyScale();
  // Adds to each pixel one offset, uniform in -amount/2 .. amount - 1 -
  // amount/2, to all three channels. The generator is seeded the same for
  // every buffer, so that repainting an inactive frame does not flicker.
  void AddNoise(int amount);
  // Replaces each pixel by the mean of its four diagonal neighbours at
  // distance d, in place, rows top to bottom.
  void SplitBlur(int d);
  void Invert();

  // Writes this buffer turned by a quarter turn into dest, which must have
  // the transposed size; otherwise dest is left alone.
  void RotateLeftInto(TbsEffectBmp& dest) const;
  void RotateRightInto(TbsEffectBmp& dest) const;

 private:
  void Blend(const TbsEffectBmp& b, double k);
  void CentreGradient(const TbsEffectBmp& b, double k, const TbsMorphPlace& place);
  void LeftGradient(const TbsEffectBmp& b, double k, const TbsMorphPlace& place);
  void RightGradient(const TbsEffectBmp& b, double k, const TbsMorphPlace& place);
  void Slide(const TbsEffectBmp& b, const TbsMorphRuns& runs);
  // Mixes by per-column weights of the whole element; this buffer's column
  // x is the element's column left + x.
  void MixColumns(const TbsEffectBmp& b, const std::vector<double>& weights, int left);

  int width_ = 0;
  int height_ = 0;
  int rowLength_ = 0;
  std::vector<uint8_t> pixels_;
  std::minstd_rand noise_{20061207};
};
