// Where menu levels go: below their anchor when they fit, above it near the
// bottom of the screen, beside it when pushed to an edge, and a submenu
// level with its parent item.

#include <gtest/gtest.h>

#include "skin/form/MenuPlacement.h"
#include "support/GfxPrinters.h"

namespace {

const gfx::Rect kArea{0, 0, 1024, 740};

TEST(MenuPlacement, DownwardsBelowTheAnchorOrAboveItNearTheBottom) {
  const gfx::Size size{120, 68};
  auto below = PlaceLevel(kArea, {300, 200, 300, 200}, size, false, false, false, 2);
  EXPECT_EQ(below.Position, (gfx::Point{300, 200}));
  EXPECT_FALSE(below.Moved);
  // In the lower half and too close to the bottom: above the anchor.
  auto above = PlaceLevel(kArea, {300, 700, 300, 700}, size, false, false, false, 2);
  EXPECT_EQ(above.Position, (gfx::Point{300, 632}));
  // In the upper half of a short work area: pushed up to its bottom, and
  // then beside the anchor.
  const gfx::Rect shortArea{0, 0, 1024, 100};
  auto pushed = PlaceLevel(shortArea, {300, 40, 300, 60}, size, false, false, false, 2);
  EXPECT_EQ(pushed.Position, (gfx::Point{301, 32}));
  EXPECT_TRUE(pushed.Moved);
}

TEST(MenuPlacement, KeptInsideTheWorkAreaSideways) {
  auto right = PlaceLevel(kArea, {1000, 100, 1000, 100}, {120, 68}, false, false, false, 2);
  EXPECT_EQ(right.Position.x, 1024 - 120);
  auto left = PlaceLevel({50, 0, 1024, 740}, {10, 100, 10, 100}, {120, 68}, false, false, false, 2);
  EXPECT_EQ(left.Position.x, 50);
}

TEST(MenuPlacement, UpwardsAboveTheAnchorWithFallBacks) {
  auto above = PlaceLevel(kArea, {300, 400, 360, 420}, {120, 68}, false, true, false, 2);
  EXPECT_EQ(above.Position, (gfx::Point{300, 332}));
  // No room above in the upper half: below the anchor.
  auto below = PlaceLevel(kArea, {300, 30, 360, 50}, {120, 68}, false, true, false, 2);
  EXPECT_EQ(below.Position, (gfx::Point{300, 50}));
}

TEST(MenuPlacement, SubmenusBesideTheirParentItem) {
  const gfx::Rect parent{300, 100, 420, 120};
  auto sub = PlaceLevel(kArea, parent, {100, 68}, true, false, false, 2);
  EXPECT_EQ(sub.Position, (gfx::Point{421, 98}));
  // No room on the right: on the left of the parent level's item.
  const gfx::Rect nearEdge{900, 100, 1000, 120};
  auto left = PlaceLevel(kArea, nearEdge, {100, 68}, true, false, false, 2);
  EXPECT_EQ(left.Position.x, 900 - 100 - 1);
  // Too low for its first item to line up: its bottom on the parent item's.
  const gfx::Rect low{300, 700, 420, 720};
  auto up = PlaceLevel(kArea, low, {100, 68}, true, false, false, 2);
  EXPECT_EQ(up.Position.y, 720 + 2 - 68);
}

}  // namespace
