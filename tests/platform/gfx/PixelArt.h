#pragma once

// Tiny bitmaps written and read as text, one character per pixel, so that
// exact-pixel tests show the picture they expect.

#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace pixelart {

// '.' black, '#' white, 'r' red, 'g' lime, 'b' blue, 'y' yellow, other
// colours '?'.
inline char CharOf(gfx::ColorRef c) {
  switch (c) {
    case gfx::clBlack:
      return '.';
    case gfx::clWhite:
      return '#';
    case gfx::clRed:
      return 'r';
    case gfx::clLime:
      return 'g';
    case gfx::clBlue:
      return 'b';
    case gfx::clYellow:
      return 'y';
    default:
      return '?';
  }
}

inline gfx::ColorRef ColorOf(char ch) {
  switch (ch) {
    case '#':
      return gfx::clWhite;
    case 'r':
      return gfx::clRed;
    case 'g':
      return gfx::clLime;
    case 'b':
      return gfx::clBlue;
    case 'y':
      return gfx::clYellow;
    default:
      return gfx::clBlack;
  }
}

// Rows joined by "|", e.g. "..#|.#.".
inline std::string Dump(const gfx::Bitmap& bmp) {
  std::string s;
  for (int y = 0; y < bmp.Height(); ++y) {
    if (y)
      s += '|';
    for (int x = 0; x < bmp.Width(); ++x)
      s += CharOf(bmp.GetPixel(x, y));
  }
  return s;
}

inline gfx::Bitmap Make(const std::vector<std::string>& rows) {
  gfx::Bitmap bmp(rows.empty() ? 0 : static_cast<int>(rows[0].size()),
                  static_cast<int>(rows.size()));
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      bmp.SetPixel(x, y, ColorOf(rows[y][x]));
  return bmp;
}

}  // namespace pixelart
