// Window pictures of hints and menus fitted to a size: corners stay, middles
// repeat from the sized corner point or stretch, and the client part fills
// the sized client area only when asked.

#include <gtest/gtest.h>

#include "skin/controls/ControlTestSupport.h"
#include "skin/form/WindowPicture.h"
#include "support/GfxPrinters.h"

namespace {

using controltest::CoordinatePicture;
using controltest::SourceOf;

TbsFrameLayout Layout() {
  TbsFrameLayout l;
  l.lefttoppoint = {4, 4};
  l.righttoppoint = {16, 4};
  l.leftbottompoint = {4, 16};
  l.rightbottompoint = {16, 16};
  l.clientrect = {3, 3, 17, 17};
  return l;
}

TEST(WindowPicture, CornersStayAndMiddlesRepeatFromTheSizedPoints) {
  const gfx::Bitmap picture = CoordinatePicture(20, 20);
  const auto sized = SizeFrameLayout(Layout(), {20, 20}, 50, 30);
  EXPECT_EQ(sized.SizedRightTop, (gfx::Point{46, 4}));
  EXPECT_EQ(sized.SizedClientRect, (gfx::Rect{3, 3, 47, 27}));
  gfx::Bitmap out;
  ComposeWindowPicture(out, picture, Layout(), sized, false);
  ASSERT_EQ(out.Width(), 50);
  EXPECT_EQ(SourceOf(out, 0, 0), (gfx::Point{0, 0}));
  EXPECT_EQ(SourceOf(out, 49, 29), (gfx::Point{19, 19}));
  EXPECT_EQ(SourceOf(out, 49, 0), (gfx::Point{19, 0}));
  // The top middle repeats columns 4..15 from x = 4, cut at x = 46.
  EXPECT_EQ(SourceOf(out, 4, 1), (gfx::Point{4, 1}));
  EXPECT_EQ(SourceOf(out, 16, 1), (gfx::Point{4, 1}));
  EXPECT_EQ(SourceOf(out, 45, 1), (gfx::Point{9, 1}));
  // The client area is left to the caller.
  EXPECT_EQ(SourceOf(out, 20, 15), (gfx::Point{-1, -1}));
  ComposeWindowPicture(out, picture, Layout(), sized, true);
  EXPECT_EQ(SourceOf(out, 3, 3), (gfx::Point{3, 3}));
  EXPECT_EQ(SourceOf(out, 17, 17), (gfx::Point{3, 3}));
}

TEST(WindowPicture, StretchedMiddlesAndPicturesThatCannotFit) {
  const gfx::Bitmap picture = CoordinatePicture(20, 20);
  TbsFrameLayout l = Layout();
  l.topstretch = true;
  const auto sized = SizeFrameLayout(l, {20, 20}, 44, 20);
  gfx::Bitmap out;
  ComposeWindowPicture(out, picture, l, sized, false);
  // 12 columns stretched over 36: each source column three times.
  EXPECT_EQ(SourceOf(out, 4, 0), (gfx::Point{4, 0}));
  EXPECT_EQ(SourceOf(out, 6, 0), (gfx::Point{4, 0}));
  EXPECT_EQ(SourceOf(out, 7, 0), (gfx::Point{5, 0}));
  // A degenerate layout only sizes the result.
  l.rightbottompoint = l.lefttoppoint;
  ComposeWindowPicture(out, picture, l, sized, true);
  EXPECT_EQ(out.Width(), 44);
  EXPECT_EQ(SourceOf(out, 0, 0), (gfx::Point{-1, -1}));
}

TEST(WindowPicture, MaskShapeKeepsTheClientAreaAndCutsTheCorners) {
  gfx::Bitmap mask(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      mask.SetPixel(x, y, gfx::RGB(0, 0, 0));
  mask.SetPixel(0, 0, gfx::RGB(255, 255, 255));
  const auto sized = SizeFrameLayout(Layout(), {20, 20}, 40, 40);
  auto region = WindowPictureRegion(mask, Layout(), sized);
  ASSERT_TRUE(region.has_value());
  EXPECT_FALSE(region->Contains({0, 0}));
  EXPECT_TRUE(region->Contains({1, 0}));
  EXPECT_TRUE(region->Contains({39, 39}));
  EXPECT_TRUE(region->Contains({20, 20}));
  // Narrower than the fixed parts: no shape.
  EXPECT_FALSE(WindowPictureRegion(mask, Layout(), SizeFrameLayout(Layout(), {20, 20}, 5, 40)));
}

}  // namespace
