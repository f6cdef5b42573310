#include "platform/gfx/DeviceContext.h"

#include <gtest/gtest.h>

#include "support/GfxPrinters.h"

#include "PixelArt.h"

using namespace gfx;
using pixelart::Dump;

TEST(DeviceContext, FillIsClippedToTheBitmapAndTheVisibleRegion) {
  Bitmap bmp(6, 4);
  {
    DeviceContext dc(bmp);
    dc.FillRect(Rect{-3, -3, 2, 2}, clWhite);
    dc.FillRect(Rect{5, 3, 99, 99}, clRed);
  }
  EXPECT_EQ(Dump(bmp), "##....|##....|......|.....r");

  Bitmap other(6, 3);
  Region visible = Region::FromRects(std::vector<Rect>{{0, 0, 2, 3}, {4, 0, 6, 3}});
  DeviceContext dc(other, Point{}, visible);
  dc.FillRect(Rect{0, 0, 6, 3}, clWhite);
  EXPECT_EQ(Dump(other), "##..##|##..##|##..##");
}

TEST(DeviceContext, OriginsMoveLogicalCoordinates) {
  Bitmap bmp(6, 4);
  // A window whose client area starts at (2, 1) and is 3 x 2 pixels.
  DeviceContext dc(bmp, Point{2, 1}, Region(Rect{2, 1, 5, 3}));
  dc.FillRect(Rect{0, 0, 10, 10}, clWhite);
  EXPECT_EQ(Dump(bmp), "......|..###.|..###.|......");
  EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 3, 2}));

  dc.SetViewportOrg(Point{1, 1});
  EXPECT_EQ(dc.GetClipBox(), (Rect{-1, -1, 2, 1}));
  dc.SetPixel(0, 0, clRed);
  EXPECT_EQ(bmp.GetPixel(3, 2), clRed);
  EXPECT_EQ(dc.GetPixel(0, 0), clRed);
  EXPECT_EQ(dc.GetPixel(2, 0), CLR_INVALID);  // outside the window
  EXPECT_EQ(dc.SetPixel(5, 5, clRed), CLR_INVALID);
}

TEST(DeviceContext, ClipChangesNarrowAndSelectReplaces) {
  Bitmap bmp(5, 3);
  DeviceContext dc(bmp);
  EXPECT_EQ(dc.IntersectClipRect({1, 0, 5, 3}), SIMPLEREGION);
  EXPECT_EQ(dc.ExcludeClipRect({2, 1, 3, 2}), COMPLEXREGION);
  dc.FillRect(Rect{0, 0, 5, 3}, clWhite);
  EXPECT_EQ(Dump(bmp), ".####|.#.##|.####");

  Region strip(Rect{0, 1, 5, 2});
  EXPECT_EQ(dc.SelectClipRgn(&strip), SIMPLEREGION);
  dc.FillRect(Rect{0, 0, 5, 3}, clRed);
  EXPECT_EQ(Dump(bmp), ".####|rrrrr|.####");

  EXPECT_EQ(dc.IntersectClipRect({9, 9, 10, 10}), NULLREGION);
  dc.FillRect(Rect{0, 0, 5, 3}, clBlue);  // draws nothing
  EXPECT_EQ(Dump(bmp), ".####|rrrrr|.####");

  dc.SelectClipRgn(nullptr);
  EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 5, 3}));
}

TEST(DeviceContext, ClipRegionIsRelativeToTheDeviceOriginNotTheViewport) {
  Bitmap bmp(6, 2);
  DeviceContext dc(bmp, Point{1, 0}, Region(bmp.Bounds()));
  dc.SetViewportOrg({2, 0});
  Region first(Rect{0, 0, 1, 2});  // bitmap column 1
  dc.SelectClipRgn(&first);
  dc.FillRect(Rect{-5, 0, 10, 2}, clWhite);
  EXPECT_EQ(Dump(bmp), ".#....|.#....");
  // ExcludeClipRect and IntersectClipRect take logical coordinates.
  dc.SelectClipRgn(nullptr);
  dc.IntersectClipRect({0, 0, 1, 2});  // bitmap column 3
  dc.FillRect(Rect{-5, 0, 10, 2}, clRed);
  EXPECT_EQ(Dump(bmp), ".#.r..|.#.r..");
}

TEST(DeviceContext, SavedStateIsRestoredAtScopeEnd) {
  Bitmap bmp(4, 1);
  DeviceContext dc(bmp);
  dc.SetTextColor(clRed);
  {
    SavedDC saved(dc);
    dc.SetTextColor(clBlue);
    dc.SelectPen(Pen{.color = clLime});
    dc.SetViewportOrg({1, 0});
    dc.IntersectClipRect({0, 0, 1, 1});
    dc.SetBkMode(TRANSPARENT);
  }
  EXPECT_EQ(dc.GetTextColor(), clRed);
  EXPECT_EQ(dc.GetPen().color, clBlack);
  EXPECT_EQ(dc.GetViewportOrg(), (Point{0, 0}));
  EXPECT_EQ(dc.GetBkMode(), OPAQUE);
  EXPECT_FALSE(dc.GetClipRgn().has_value());
  dc.FillRect(Rect{0, 0, 4, 1}, clWhite);
  EXPECT_EQ(Dump(bmp), "####");
}

TEST(DeviceContext, LinesExcludeTheirEndPoint) {
  Bitmap bmp(5, 5);
  DeviceContext dc(bmp);
  dc.SelectPen(Pen{.color = clWhite});
  dc.MoveTo(0, 0);
  dc.LineTo(4, 0);  // right: (4,0) is left out...
  EXPECT_EQ(Dump(bmp), "####.|.....|.....|.....|.....");
  dc.LineTo(4, 4);  // ...until the next segment starts there
  EXPECT_EQ(Dump(bmp), "#####|....#|....#|....#|.....");
  EXPECT_EQ(dc.GetCurrentPosition(), (Point{4, 4}));

  Bitmap back(5, 1);
  DeviceContext dc2(back);
  dc2.SelectPen(Pen{.color = clWhite});
  dc2.MoveTo(4, 0);
  dc2.LineTo(0, 0);  // leftwards: (4,0) to (1,0)
  EXPECT_EQ(Dump(back), ".####");
}

TEST(DeviceContext, DiagonalsStepEvenlyAndStopBeforeTheEnd) {
  Bitmap bmp(4, 4);
  DeviceContext dc(bmp);
  dc.SelectPen(Pen{.color = clWhite});
  dc.MoveTo(0, 0);
  dc.LineTo(4, 4);
  EXPECT_EQ(Dump(bmp), "#...|.#..|..#.|...#");

  Bitmap shallow(5, 2);
  DeviceContext dc2(shallow);
  dc2.SelectPen(Pen{.color = clWhite});
  dc2.MoveTo(0, 0);
  dc2.LineTo(4, 2);
  EXPECT_EQ(Dump(shallow), "##...|..##.");

  Bitmap up(3, 3);
  DeviceContext dc3(up);
  dc3.SelectPen(Pen{.color = clWhite});
  dc3.MoveTo(0, 2);
  dc3.LineTo(3, -1);
  EXPECT_EQ(Dump(up), "..#|.#.|#..");
}

TEST(DeviceContext, LinesAreClipped) {
  Bitmap bmp(4, 4);
  DeviceContext dc(bmp);
  dc.ExcludeClipRect({1, 1, 3, 3});
  dc.SelectPen(Pen{.color = clWhite});
  dc.MoveTo(-2, -2);
  dc.LineTo(6, 6);
  EXPECT_EQ(Dump(bmp), "#...|....|....|...#");
  // A line from far outside crosses the bitmap without visiting every step.
  dc.SelectPen(Pen{.color = clRed});
  dc.MoveTo(-1000000000, 1000000003);
  dc.LineTo(1000000000, -999999997);
  EXPECT_EQ(Dump(bmp), "#..r|....|....|r..#");
  dc.SelectPen(Pen{.style = PS_NULL});
  dc.MoveTo(0, 1);
  dc.LineTo(4, 1);
  EXPECT_EQ(Dump(bmp), "#..r|....|....|r..#");
}

TEST(DeviceContext, RectangleUsesPenOutlineAndBrushInside) {
  Bitmap bmp(5, 4);
  DeviceContext dc(bmp);
  dc.SelectPen(Pen{.color = clWhite});
  dc.SelectBrush(Brush{.color = clRed});
  dc.Rectangle(0, 0, 5, 4);
  EXPECT_EQ(Dump(bmp), "#####|#rrr#|#rrr#|#####");

  Bitmap hollow(4, 3);
  DeviceContext dc2(hollow);
  dc2.SelectPen(Pen{.color = clWhite});
  dc2.SelectBrush(Brush{.style = BS_NULL});
  dc2.Rectangle(4, 3, 0, 0);  // reversed corners are normalised
  EXPECT_EQ(Dump(hollow), "####|#..#|####");

  Bitmap noPen(4, 3);
  DeviceContext dc3(noPen);
  dc3.SelectPen(Pen{.style = PS_NULL});
  dc3.SelectBrush(Brush{.color = clBlue});
  dc3.Rectangle(0, 0, 4, 3);
  EXPECT_EQ(Dump(noPen), "bbb.|bbb.|....");
}

TEST(DeviceContext, FrameAndInvert) {
  Bitmap bmp(4, 4);
  DeviceContext dc(bmp);
  dc.FrameRect({0, 0, 4, 4}, clWhite);
  EXPECT_EQ(Dump(bmp), "####|#..#|#..#|####");
  dc.InvertRect({1, 0, 3, 4});
  EXPECT_EQ(Dump(bmp), "#..#|####|####|#..#");
  dc.FrameRect({0, 0, 0, 4}, clRed);  // empty: nothing
  EXPECT_EQ(Dump(bmp), "#..#|####|####|#..#");
}

TEST(DeviceContext, PolylineDrawsJoinedSegmentsAndKeepsThePosition) {
  Bitmap bmp(4, 3);
  DeviceContext dc(bmp);
  dc.SelectPen(Pen{.color = clWhite});
  dc.MoveTo(3, 2);
  std::vector<Point> pts{{0, 0}, {3, 0}, {3, 2}};
  dc.Polyline(pts);
  EXPECT_EQ(Dump(bmp), "####|...#|....");
  EXPECT_EQ(dc.GetCurrentPosition(), (Point{3, 2}));
}
