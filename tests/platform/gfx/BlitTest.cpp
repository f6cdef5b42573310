#include <gtest/gtest.h>

#include "support/GfxPrinters.h"

#include "PixelArt.h"
#include "platform/gfx/DeviceContext.h"

using namespace gfx;
using pixelart::Dump;
using pixelart::Make;

TEST(BitBlt, CopiesAndClipsAgainstSourceAndDestination) {
  Bitmap src = Make({"rgb", "by#"});
  Bitmap dst(4, 3);
  DeviceContext dc(dst);
  dc.BitBlt(2, 1, 3, 2, src, 0, 0);  // the right column falls off
  EXPECT_EQ(Dump(dst), "....|..rg|..by");

  Bitmap dst2(4, 2);
  DeviceContext dc2(dst2);
  dc2.BitBlt(0, 0, 4, 2, src, -1, 0);  // the source starts left of its bitmap
  EXPECT_EQ(Dump(dst2), ".rgb|.by#");
}

TEST(BitBlt, HonoursClipRegionAndSourceContextOrigin) {
  Bitmap src = Make({"rrrr", "gggg"});
  Bitmap dst(4, 2);
  DeviceContext dc(dst);
  dc.ExcludeClipRect({1, 0, 3, 1});
  DeviceContext srcDc(src, Point{0, 1}, Region(src.Bounds()));
  dc.BitBlt(0, 0, 4, 2, srcDc, 0, -1);  // logical (0,-1) is bitmap (0,0)
  EXPECT_EQ(Dump(dst), "r..r|gggg");
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsTheOriginal) {
  Bitmap bmp = Make({"rgby."});
  DeviceContext dc(bmp);
  dc.BitBlt(1, 0, 4, 1, bmp, 0, 0);
  EXPECT_EQ(Dump(bmp), "rrgby");
  dc.BitBlt(0, 0, 4, 1, bmp, 1, 0);
  EXPECT_EQ(Dump(bmp), "rgbyy");
}

TEST(BitBlt, RasterOperations) {
  Bitmap src = Make({"r#.b"});
  Bitmap dst = Make({"g#g."});
  DeviceContext dc(dst);
  dc.BitBlt(0, 0, 4, 1, src, 0, 0, SRCPAINT);
  EXPECT_EQ(Dump(dst), "y#gb");
  dc.BitBlt(0, 0, 4, 1, src, 0, 0, SRCAND);
  EXPECT_EQ(Dump(dst), "r#.b");
  dc.BitBlt(0, 0, 2, 1, src, 0, 0, SRCINVERT);
  EXPECT_EQ(Dump(dst), "...b");
  dc.BitBlt(0, 0, 4, 1, src, 0, 0, DSTINVERT);
  EXPECT_EQ(Dump(dst), "###y");
  dc.BitBlt(1, 0, 1, 1, src, 0, 0, BLACKNESS);
  dc.SelectBrush(Brush{.color = clBlue});
  dc.BitBlt(2, 0, 1, 1, src, 0, 0, PATCOPY);
  EXPECT_EQ(Dump(dst), "#.by");
}

TEST(StretchBlt, DoublingRepeatsEachPixel) {
  Bitmap src = Make({"rg", "b#"});
  Bitmap dst(4, 4);
  DeviceContext dc(dst);
  dc.StretchBlt(0, 0, 4, 4, src, 0, 0, 2, 2);
  EXPECT_EQ(Dump(dst), "rrgg|rrgg|bb##|bb##");
}

TEST(StretchBlt, UnevenScalesSampleThePixelUnderEachCentre) {
  // 3 -> 5: centres at 0.3, 0.9, 1.5, 2.1, 2.7 of the source.
  Bitmap src = Make({"rgb"});
  Bitmap dst(5, 1);
  DeviceContext dc(dst);
  dc.StretchBlt(0, 0, 5, 1, src, 0, 0, 3, 1);
  EXPECT_EQ(Dump(dst), "rrgbb");
  // 5 -> 2: centres at 1.25 and 3.75.
  Bitmap wide = Make({"rgby#"});
  Bitmap small(2, 1);
  DeviceContext dc2(small);
  dc2.StretchBlt(0, 0, 2, 1, wide, 0, 0, 5, 1);
  EXPECT_EQ(Dump(small), "gy");
}

TEST(StretchBlt, NegativeExtentsMirrorAndClipsApply) {
  Bitmap src = Make({"rgb"});
  Bitmap dst(3, 1);
  DeviceContext dc(dst);
  dc.StretchBlt(3, 0, -3, 1, src, 0, 0, 3, 1);
  EXPECT_EQ(Dump(dst), "bgr");
  dc.IntersectClipRect({1, 0, 2, 1});
  dc.StretchBlt(0, 0, 6, 1, src, 0, 0, 3, 1);  // only column 1 is drawn
  EXPECT_EQ(Dump(dst), "brr");
}

TEST(TransparentBlt, LeavesTheKeyColourOut) {
  Bitmap src = Make({"r#r", "###"});
  Bitmap dst = Make({"bbb", "bbb"});
  DeviceContext dc(dst);
  dc.TransparentBlt(0, 0, 3, 2, src, 0, 0, 3, 2, clWhite);
  EXPECT_EQ(Dump(dst), "rbr|bbb");
  Bitmap big(6, 2);
  DeviceContext dc2(big);
  dc2.TransparentBlt(0, 0, 6, 2, src, 0, 0, 3, 1, clRed);  // scaled as well
  EXPECT_EQ(Dump(big), "..##..|..##..");
}

TEST(SetDIBitsToDevice, DrawsPaddedTopDownRowsThroughTheClip) {
  // Two rows of 3 pixels, each padded to 12 bytes: red green blue / white
  // black yellow.
  const std::uint8_t rows[] = {0,   0,   255, 0, 255, 0, 255, 0,   0,   0, 0, 0,
                               255, 255, 255, 0, 0,   0, 0,   255, 255, 0, 0, 0};
  Bitmap dst(4, 3);
  DeviceContext dc(dst);
  dc.ExcludeClipRect({3, 2, 4, 3});
  dc.SetDIBitsToDevice(1, 1, 3, 2, rows, 12);
  EXPECT_EQ(Dump(dst), "....|.rgb|.#..");
  dc.SetDIBitsToDevice(0, 0, 3, 2, rows, 8);  // rows shorter than the width: refused
  EXPECT_EQ(Dump(dst), "....|.rgb|.#..");
}

TEST(AlphaBlend, MixesWithOneOpacityAndClips) {
  Bitmap src(3, 1, RGB(200, 100, 0));
  Bitmap dst(3, 1, RGB(0, 100, 200));
  DeviceContext dc(dst);
  dc.ExcludeClipRect({2, 0, 3, 1});
  dc.AlphaBlend(0, 0, 3, 1, src, 0, 0, 128);
  EXPECT_EQ(dst.GetPixel(0, 0), RGB(100, 100, 100));
  EXPECT_EQ(dst.GetPixel(2, 0), RGB(0, 100, 200));
  dc.AlphaBlend(0, 0, 3, 1, src, 0, 0, 0);
  EXPECT_EQ(dst.GetPixel(1, 0), RGB(100, 100, 100));
  dc.AlphaBlend(0, 0, 3, 1, src, 0, 0, 255);
  EXPECT_EQ(dst.GetPixel(1, 0), RGB(200, 100, 0));
}

TEST(TileBlt, RepeatsFromTheTopLeftAndCutsTheRemainders) {
  Bitmap src = Make({
      "..........",
      ".rg.......",
      ".by.......",
      "..........",
  });
  Bitmap dst(5, 3);
  DeviceContext dc(dst);
  dc.TileBlt({0, 0, 5, 3}, src, {1, 1, 3, 3});
  EXPECT_EQ(Dump(dst), "rgrgr|bybyb|rgrgr");
  // Tiles start at the destination's corner even where the clip cuts in.
  Bitmap clipped(5, 3);
  DeviceContext dc2(clipped);
  dc2.IntersectClipRect({1, 1, 5, 3});
  dc2.SetViewportOrg({1, 0});
  dc2.TileBlt({0, 0, 4, 3}, src, {1, 1, 3, 3});
  EXPECT_EQ(Dump(clipped), ".....|.byby|.rgrg");
  // A clip whose edges lie inside the destination keeps the destination's
  // phase in both directions.
  Bitmap inside(7, 3);
  DeviceContext dc3(inside);
  dc3.IntersectClipRect({3, 1, 6, 3});
  dc3.TileBlt({0, 0, 7, 3}, src, {1, 1, 3, 3});
  EXPECT_EQ(Dump(inside), ".......|...yby.|...grg.");
  // A source rectangle outside the picture draws nothing.
  dc2.TileBlt({0, 0, 4, 3}, src, {20, 20, 30, 30});
  EXPECT_EQ(Dump(clipped), ".....|.byby|.rgrg");
}

namespace {

// A picture whose every pixel differs from its neighbours.
Bitmap Numbered(int width, int height) {
  Bitmap bmp(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bmp.SetPixel(x, y, RGB(x * 7 + 1, y * 11 + 1, (x * y) % 256));
  return bmp;
}

}  // namespace

// Rows much wider than the tile are filled from what they already hold, and
// rows a tile height apart from each other; every pixel must still be the
// tile's pixel at its place, through a clip of several rectangles.
TEST(TileBlt, WideAndTallAreasRepeatTheTileExactlyThroughAnyClip) {
  const Bitmap src = Numbered(9, 6);
  for (const Rect& tile : {Rect{2, 1, 3, 2}, Rect{1, 0, 4, 5}, Rect{0, 0, 9, 6}}) {
    Bitmap dst(70, 23);
    DeviceContext dc(dst);
    dc.ExcludeClipRect({20, 5, 33, 9});
    dc.ExcludeClipRect({50, 0, 51, 23});
    const Rect dest{3, 2, 68, 21};
    dc.TileBlt(dest, src, tile);
    for (int y = 0; y < dst.Height(); ++y)
      for (int x = 0; x < dst.Width(); ++x) {
        const bool inside =
            dest.Contains({x, y}) && !Rect{20, 5, 33, 9}.Contains({x, y}) && x != 50;
        const ColorRef expected = inside ? src.GetPixel(tile.left + (x - dest.left) % tile.Width(),
                                                        tile.top + (y - dest.top) % tile.Height())
                                         : clBlack;
        ASSERT_EQ(dst.GetPixel(x, y), expected)
            << "tile " << ::testing::PrintToString(tile) << " at " << x << "," << y;
      }
  }
}

// Copies of every short length, where pixels are moved without a call, and
// a few longer ones: each pixel lands once, nothing beside the run changes.
TEST(BitBlt, RunsOfEveryLengthCopyExactly) {
  const Bitmap src = Numbered(40, 2);
  for (int width = 1; width <= 40; ++width) {
    Bitmap dst(44, 2, clWhite);
    DeviceContext dc(dst);
    dc.BitBlt(2, 0, width, 2, src, 0, 0);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 44; ++x) {
        const ColorRef expected = x >= 2 && x < 2 + width ? src.GetPixel(x - 2, y) : clWhite;
        ASSERT_EQ(dst.GetPixel(x, y), expected) << "width " << width << " at " << x << "," << y;
      }
  }
}
