#pragma once

// Points, sizes and rectangles in pixels, shared by every layer.
// A rectangle's right and bottom edges are exclusive; it is empty when its
// width or height is 0 or less.

#include <algorithm>

namespace gfx {

struct Point {
  int x = 0;
  int y = 0;

  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;

  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect FromXYWH(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
  }

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr Size GetSize() const { return {Width(), Height()}; }
  constexpr Point TopLeft() const { return {left, top}; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }

  constexpr bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }

  constexpr Rect Offset(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }

  // The common part; an empty rectangle when they do not overlap.
  constexpr Rect Intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
           std::min(bottom, o.bottom)};
    return r.IsEmpty() ? Rect{} : r;
  }

  // The smallest rectangle holding both; an empty side does not count.
  constexpr Rect Union(const Rect& o) const {
    if (IsEmpty())
      return o;
    if (o.IsEmpty())
      return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }

  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace gfx
