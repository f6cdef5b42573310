#pragma once

// Readable test failure messages for the graphics value types: GoogleTest
// finds these printers by argument-dependent lookup, so a test only needs
// to include this header.

#include <ostream>

#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

namespace gfx {

inline void PrintTo(const Point& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}

inline void PrintTo(const Size& s, std::ostream* os) {
  *os << s.cx << " x " << s.cy;
}

inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

inline void PrintTo(const Region& region, std::ostream* os) {
  *os << "Region[";
  bool first = true;
  for (const Rect& r : region.Rects()) {
    if (!first)
      *os << " ";
    PrintTo(r, os);
    first = false;
  }
  *os << "]";
}

}  // namespace gfx
