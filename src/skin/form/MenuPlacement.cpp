#include "skin/form/MenuPlacement.h"

#include <algorithm>

TbsLevelPlacement PlaceLevel(const gfx::Rect& A, const gfx::Rect& R, gfx::Size size, bool sublevel,
                             bool upwards, bool scrolling, int itemsTop) {
  const int W = size.cx;
  const int H = size.cy;
  const bool upperHalf = R.top < A.top + A.Height() / 2;
  TbsLevelPlacement p;
  int& y = p.Position.y;
  if (sublevel) {
    if (R.top - itemsTop + H <= A.bottom)
      y = R.top - itemsTop;
    else if (upperHalf)
      y = A.bottom - H;
    else
      y = std::max(A.top, R.bottom + itemsTop - H);
  } else if (upwards) {
    if (R.top - H >= A.top) {
      y = R.top - H;
    } else if (upperHalf) {
      if (R.bottom + H <= A.bottom) {
        y = R.bottom;
      } else {
        y = A.bottom - H;
        p.Moved = true;
      }
    } else {
      y = A.top;
      p.Moved = true;
    }
  } else {
    if (R.bottom + H <= A.bottom) {
      y = R.bottom;
    } else if (upperHalf) {
      y = A.bottom - H;
      p.Moved = true;
    } else if (R.top - H >= A.top) {
      y = R.top - H;
    } else {
      y = A.top;
      p.Moved = true;
    }
  }
  int& x = p.Position.x;
  if (sublevel || scrolling || p.Moved) {
    // Beside the anchor, so that the level does not cover it.
    x = A.right >= R.right + W + 1 ? R.right + 1 : R.left - W - 1;
  } else {
    x = R.left;
    if (x + W > A.right)
      x = A.right - W;
    if (x < A.left)
      x = A.left;
  }
  return p;
}
