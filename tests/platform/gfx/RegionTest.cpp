#include "platform/gfx/Region.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "support/GfxPrinters.h"

using gfx::Point;
using gfx::Rect;
using gfx::Region;

namespace {

// A reference: the set of pixels as a small grid.
constexpr int kGrid = 40;
using Grid = std::vector<bool>;

Grid Paint(const Region& r) {
  Grid g(kGrid * kGrid, false);
  for (const Rect& rect : r.Rects())
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x)
        if (x >= 0 && y >= 0 && x < kGrid && y < kGrid)
          g[y * kGrid + x] = true;
  return g;
}

Region RandomRegion(std::mt19937& rng) {
  std::uniform_int_distribution<int> coord(0, kGrid - 1);
  std::uniform_int_distribution<int> count(0, 6);
  std::vector<Rect> rects;
  for (int i = count(rng); i > 0; --i) {
    int x = coord(rng), y = coord(rng);
    rects.push_back(
        {x, y, std::min(kGrid, x + coord(rng) / 3 + 1), std::min(kGrid, y + coord(rng) / 3 + 1)});
  }
  return Region::FromRects(rects);
}

bool RectsDisjoint(const std::vector<Rect>& rects) {
  for (std::size_t i = 0; i < rects.size(); ++i)
    for (std::size_t j = i + 1; j < rects.size(); ++j)
      if (!rects[i].Intersect(rects[j]).IsEmpty())
        return false;
  return true;
}

}  // namespace

TEST(Region, EmptyAndSingleRectangle) {
  Region empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_TRUE(empty.Bounds().IsEmpty());
  EXPECT_EQ(empty.RectCount(), 0);
  EXPECT_TRUE(Region(Rect{5, 5, 5, 9}).IsEmpty());

  Region r(Rect{2, 3, 6, 8});
  EXPECT_EQ(r.Bounds(), (Rect{2, 3, 6, 8}));
  EXPECT_TRUE(r.Contains({2, 3}));
  EXPECT_TRUE(r.Contains({5, 7}));
  EXPECT_FALSE(r.Contains({6, 7}));
  EXPECT_FALSE(r.Contains({5, 8}));
  EXPECT_EQ(r.Area(), 20);
}

TEST(Region, EmptiedRegionsCompareEqualToFreshOnes) {
  Region a(Rect{10, 10, 20, 20});
  Region b = a.Intersect(Region(Rect{30, 30, 40, 40}));
  EXPECT_TRUE(b.IsEmpty());
  EXPECT_EQ(b, Region());
  EXPECT_TRUE(b.Bounds().IsEmpty());
}

TEST(Region, SubtractingAHoleLeavesDisjointPiecesAroundIt) {
  Region outer(Rect{0, 0, 10, 10});
  Region hole(Rect{3, 4, 6, 7});
  Region ring = outer.Subtract(hole);
  std::vector<Rect> pieces = ring.Rects();
  EXPECT_TRUE(RectsDisjoint(pieces));
  for (const Rect& p : pieces)
    EXPECT_TRUE(p.Intersect(Rect{3, 4, 6, 7}).IsEmpty());
  EXPECT_EQ(ring.Area() + hole.Area(), outer.Area());
  EXPECT_FALSE(ring.Contains({4, 5}));
  EXPECT_TRUE(ring.Contains({2, 5}));
  EXPECT_EQ(ring.Bounds(), (Rect{0, 0, 10, 10}));
}

TEST(Region, AlgebraMatchesAPixelGridOnRandomRegions) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 300; ++round) {
    Region a = RandomRegion(rng);
    Region b = RandomRegion(rng);
    Grid ga = Paint(a), gb = Paint(b);
    Grid gu = Paint(a.Union(b)), gi = Paint(a.Intersect(b)), gs = Paint(a.Subtract(b)),
         gx = Paint(a.Xor(b));
    for (int i = 0; i < kGrid * kGrid; ++i) {
      ASSERT_EQ(gu[i], ga[i] || gb[i]) << "union, round " << round;
      ASSERT_EQ(gi[i], ga[i] && gb[i]) << "intersection, round " << round;
      ASSERT_EQ(gs[i], ga[i] && !gb[i]) << "subtraction, round " << round;
      ASSERT_EQ(gx[i], ga[i] != gb[i]) << "xor, round " << round;
    }
    // Pieces never overlap, so areas add up.
    ASSERT_TRUE(RectsDisjoint(a.Subtract(b).Rects()));
    ASSERT_EQ(a.Subtract(b).Area() + a.Intersect(b).Area(), a.Area());
    ASSERT_EQ(a.Union(b).Area() + a.Intersect(b).Area(), a.Area() + b.Area());
    // Containment agrees with the grid.
    for (int y = 0; y < kGrid; y += 3)
      for (int x = 0; x < kGrid; x += 3)
        ASSERT_EQ(a.Contains({x, y}), ga[y * kGrid + x]);
  }
}

TEST(Region, OffsetMovesEveryPixelAndBounds) {
  Region r = Region::FromRects(std::vector<Rect>{{0, 0, 2, 2}, {5, 5, 7, 6}});
  Region moved = r.Offset(10, -3);
  EXPECT_EQ(moved.Bounds(), (Rect{10, -3, 17, 3}));
  EXPECT_TRUE(moved.Contains({15, 2}));
  EXPECT_FALSE(moved.Contains({5, 5}));
  EXPECT_EQ(moved.Area(), r.Area());
  r.OffsetInPlace(10, -3);
  EXPECT_EQ(r, moved);
}

TEST(Region, RectangleQueries) {
  Region r = Region::FromRects(std::vector<Rect>{{0, 0, 10, 10}, {20, 0, 30, 10}});
  EXPECT_TRUE(r.ContainsRect({2, 2, 8, 8}));
  EXPECT_FALSE(r.ContainsRect({5, 5, 25, 8}));  // spans the gap
  EXPECT_TRUE(r.Intersects({5, 5, 25, 8}));
  EXPECT_FALSE(r.Intersects({10, 0, 20, 10}));
  EXPECT_FALSE(r.ContainsRect({3, 3, 3, 3}));
}

TEST(Region, CopiesAndMovesAreIndependent) {
  Region a(Rect{0, 0, 4, 4});
  Region b = a;
  b -= Region(Rect{0, 0, 2, 2});
  EXPECT_EQ(a.Area(), 16);
  EXPECT_EQ(b.Area(), 12);
  Region c = std::move(b);
  EXPECT_EQ(c.Area(), 12);
  EXPECT_TRUE(b.IsEmpty());  // NOLINT(bugprone-use-after-move): a moved-from region is empty
  b = c;
  EXPECT_EQ(b, c);
}

TEST(Region, BuildsFromTenThousandRowRunsInOrder) {
  // A mask-like scan: every row of a 100-pixel-high shape has 100 runs.
  std::vector<Rect> runs;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      runs.push_back({x * 3, y, x * 3 + 2, y + 1});
  Region r = Region::FromRects(runs);
  EXPECT_EQ(r.Area(), 100 * 100 * 2);
  EXPECT_EQ(r.Bounds(), (Rect{0, 0, 299, 100}));
  // Identical rows merge into one band.
  EXPECT_EQ(r.RectCount(), 100);
  EXPECT_TRUE(r.Contains({3, 50}));
  EXPECT_FALSE(r.Contains({2, 50}));
}
