#pragma once

// A set of pixels described by non-overlapping rectangles, as window
// shapes, clip regions and damage need it. A value type: copies are
// independent. The rectangle engine underneath never shows in this header.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/Geometry.h"

namespace gfx {

class Region {
 public:
  Region();
  explicit Region(const Rect& rect);
  // The union of the rectangles, which may overlap; empty ones are ignored.
  static Region FromRects(std::span<const Rect> rects);

  Region(const Region& other);
  Region(Region&& other) noexcept;
  Region& operator=(const Region& other);
  Region& operator=(Region&& other) noexcept;
  ~Region();

  bool IsEmpty() const;
  // The smallest rectangle holding every pixel; an empty rectangle when the
  // region is empty.
  Rect Bounds() const;
  bool Contains(Point p) const;
  // True when every pixel of the rectangle is in the region.
  bool ContainsRect(const Rect& rect) const;
  // True when the rectangle and the region share a pixel.
  bool Intersects(const Rect& rect) const;
  // The region's rectangles: sorted in bands from top to bottom, left to
  // right inside a band, never overlapping.
  std::vector<Rect> Rects() const;
  int RectCount() const;
  // The number of pixels.
  std::int64_t Area() const;

  Region Union(const Region& other) const;
  Region Intersect(const Region& other) const;
  Region Subtract(const Region& other) const;
  Region Xor(const Region& other) const;
  Region Offset(int dx, int dy) const;

  Region& operator|=(const Region& other);
  Region& operator&=(const Region& other);
  Region& operator-=(const Region& other);
  void OffsetInPlace(int dx, int dy);
  void Clear();

  // Same set of pixels.
  friend bool operator==(const Region& a, const Region& b);

 private:
  // Holds the engine's region record (a bounding box and a pointer).
  alignas(8) unsigned char storage_[24];
};

}  // namespace gfx
