#include "platform/gfx/Geometry.h"

#include <gtest/gtest.h>

using gfx::Point;
using gfx::Rect;

TEST(Rect, RightAndBottomEdgesAreExclusive) {
  Rect r{7, 30, 198, 160};
  EXPECT_EQ(r.Width(), 191);
  EXPECT_EQ(r.Height(), 130);
  EXPECT_TRUE(r.Contains({7, 30}));
  EXPECT_TRUE(r.Contains({197, 159}));
  EXPECT_FALSE(r.Contains({198, 159}));
  EXPECT_FALSE(r.Contains({197, 160}));
}

TEST(Rect, EmptyWhenWidthOrHeightNotPositive) {
  EXPECT_TRUE((Rect{5, 5, 5, 10}).IsEmpty());
  EXPECT_TRUE((Rect{5, 5, 10, 4}).IsEmpty());
  EXPECT_FALSE((Rect{5, 5, 6, 6}).IsEmpty());
  EXPECT_FALSE((Rect{5, 5, 5, 10}).Contains({5, 5}));
}

TEST(Rect, IntersectAndUnion) {
  Rect a{0, 0, 10, 10};
  Rect b{5, 5, 20, 8};
  EXPECT_EQ(a.Intersect(b), (Rect{5, 5, 10, 8}));
  EXPECT_TRUE(a.Intersect(Rect{10, 0, 20, 10}).IsEmpty());
  EXPECT_EQ(a.Union(b), (Rect{0, 0, 20, 10}));
  EXPECT_EQ(Rect{}.Union(b), b);
  EXPECT_EQ(Rect::FromXYWH(3, 4, 10, 2).Offset(-3, 1), (Rect{0, 5, 10, 7}));
}
