#include "skin/data/SkinGeometry.h"

#include <gtest/gtest.h>

#include <random>

#include "skin/controls/ControlTestSupport.h"
#include "skin/data/SkinStreams.h"
#include "support/GfxPrinters.h"

using controltest::CoordinatePicture;
using controltest::ProductRecord;
using controltest::SourceOf;
using gfx::Bitmap;
using gfx::Point;
using gfx::Rect;

namespace {

TbsSkinGeometry Geometry(Rect skin, Rect client, Point lt, Point rt, Point lb, Point rb) {
  TbsSkinGeometry g{skin, client, lt, rt, lb, rb};
  g.ComputeTileMode();
  return g;
}

// Counts the pixels nothing was drawn on.
int Undrawn(const Bitmap& b) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      n += SourceOf(b, x, y) == Point{-1, -1};
  return n;
}

}  // namespace

TEST(SkinGeometry, ProductRecordsHaveTheirTileModes) {
  auto mode = [](const char* name) {
    return TbsSkinGeometry::FromRecord(*ProductRecord<TbsDataSkinControl>(name)).tileMode;
  };
  EXPECT_EQ(mode("resizebutton"), TbsTileMode::Frame);
  EXPECT_EQ(mode("listbox"), TbsTileMode::Frame);
  EXPECT_EQ(mode("button"), TbsTileMode::Horizontal);
  EXPECT_EQ(mode("combobox"), TbsTileMode::Horizontal);
  EXPECT_EQ(mode("vupdown"), TbsTileMode::Fixed);
  EXPECT_EQ(mode("vscrollbar"), TbsTileMode::Vertical);
  // A label record has no picture at all.
  EXPECT_EQ(mode("stdlabel"), TbsTileMode::Fixed);
  EXPECT_EQ(Geometry({}, {}, {}, {}, {}, {1, 1}).tileMode, TbsTileMode::None);
}

TEST(SkinGeometry, WideResizeButtonTilesItsStripsAndKeepsItsSize) {
  // The start button's record: a 28 x 22 frame picture placed 336 x 19.
  const TbsSkinGeometry g =
      Geometry({96, 0, 124, 22}, {4, 4, 24, 18}, {4, 4}, {22, 4}, {4, 18}, {22, 18});
  int w = 336, h = 19;
  const TbsSizedGeometry s = FitSizeToSkin(g, w, h);
  EXPECT_EQ(w, 336);
  EXPECT_EQ(h, 19);
  EXPECT_EQ(s.righttoppoint, (Point{330, 4}));
  EXPECT_EQ(s.rightbottompoint, (Point{330, 15}));
  EXPECT_EQ(s.clientrect, (Rect{4, 4, 332, 15}));

  const Bitmap picture = CoordinatePicture(124, 22);
  Bitmap out;
  ComposeSkinPicture(out, &picture, g.skinrect, g, w, h);
  ASSERT_EQ(out.GetSize(), (gfx::Size{336, 19}));
  EXPECT_EQ(Undrawn(out), 0);
  // The top strip is 18 pixels long: 18 whole tiles from x = 4, then a
  // 19th cut to 2 pixels at the sized right-top point.
  EXPECT_EQ(SourceOf(out, 327, 0), (Point{96 + 21, 0}));
  EXPECT_EQ(SourceOf(out, 328, 0), (Point{96 + 4, 0}));
  EXPECT_EQ(SourceOf(out, 329, 0), (Point{96 + 5, 0}));
  EXPECT_EQ(SourceOf(out, 330, 0), (Point{96 + 22, 0}));
  // The bottom strip, from the picture's bottom rows, tiles the same way
  // up to the sized right-bottom point; so do the left and right strips
  // down to the sized bottom points.
  for (int y = 15; y < 19; ++y) {
    EXPECT_EQ(SourceOf(out, 4, y), (Point{96 + 4, y + 3})) << y;
    EXPECT_EQ(SourceOf(out, 327, y), (Point{96 + 21, y + 3})) << y;
    EXPECT_EQ(SourceOf(out, 328, y), (Point{96 + 4, y + 3})) << y;
    EXPECT_EQ(SourceOf(out, 329, y), (Point{96 + 5, y + 3})) << y;
    EXPECT_EQ(SourceOf(out, 330, y), (Point{96 + 22, y + 3})) << y;
  }
  // The bottom rows come from the bottom of the picture although the
  // button is lower than the picture.
  EXPECT_EQ(SourceOf(out, 0, 18), (Point{96, 21}));
  EXPECT_EQ(SourceOf(out, 335, 18), (Point{96 + 27, 21}));
  EXPECT_EQ(SourceOf(out, 331, 14), (Point{96 + 11, 14}));
}

TEST(SkinGeometry, HorizontalModeKeepsBothEndsOfAWideComboBox) {
  const TbsSkinGeometry g = Geometry({0, 24, 41, 42}, {1, 1, 24, 17}, {3, 0}, {21, 0}, {}, {});
  int w = 543, h = 20;
  FitSizeToSkin(g, w, h);
  EXPECT_EQ(h, 18);
  const Bitmap picture = CoordinatePicture(41, 42);
  Bitmap out;
  ComposeSkinPicture(out, &picture, g.skinrect, g, w, h);
  ASSERT_EQ(out.GetSize(), (gfx::Size{543, 18}));
  EXPECT_EQ(Undrawn(out), 0);
  EXPECT_EQ(SourceOf(out, 2, 0), (Point{2, 24}));
  EXPECT_EQ(SourceOf(out, 3 + 18 * 28, 5), (Point{3, 29}));
  EXPECT_EQ(SourceOf(out, 522, 5), (Point{18, 29}));
  EXPECT_EQ(SourceOf(out, 523, 5), (Point{21, 29}));
  EXPECT_EQ(SourceOf(out, 542, 17), (Point{40, 41}));
}

TEST(SkinGeometry, MiddlesWithoutLength) {
  const Bitmap picture = CoordinatePicture(6, 10);
  Bitmap out;
  // Horizontal: the column where the middle would start fills the gap.
  const TbsSkinGeometry h = Geometry({0, 0, 6, 2}, {}, {3, 0}, {3, 0}, {}, {});
  ComposeSkinPicture(out, &picture, h.skinrect, h, 10, 2);
  for (int x = 3; x < 7; ++x)
    EXPECT_EQ(SourceOf(out, x, 1), (Point{3, 1})) << x;
  EXPECT_EQ(SourceOf(out, 7, 1), (Point{3, 1}));
  EXPECT_EQ(SourceOf(out, 9, 1), (Point{5, 1}));
  // Vertical: nothing is drawn between the ends.
  const TbsSkinGeometry v = Geometry({0, 0, 4, 10}, {}, {0, 3}, {}, {0, 3}, {});
  ComposeSkinPicture(out, &picture, v.skinrect, v, 50, 13);
  ASSERT_EQ(out.GetSize(), (gfx::Size{4, 13}));
  EXPECT_EQ(SourceOf(out, 0, 2), (Point{0, 2}));
  EXPECT_EQ(SourceOf(out, 0, 4), (Point{-1, -1}));
  EXPECT_EQ(SourceOf(out, 0, 6), (Point{0, 3}));
  // Vertical with a middle of four rows repeats them.
  const TbsSkinGeometry v2 = Geometry({0, 0, 4, 10}, {}, {0, 3}, {}, {0, 7}, {});
  ComposeSkinPicture(out, &picture, v2.skinrect, v2, 4, 13);
  EXPECT_EQ(SourceOf(out, 1, 7), (Point{1, 3}));
  EXPECT_EQ(SourceOf(out, 1, 9), (Point{1, 5}));
  EXPECT_EQ(SourceOf(out, 1, 10), (Point{1, 7}));
}

TEST(SkinGeometry, FixedModeTakesTheSkinSize) {
  const TbsSkinGeometry g =
      TbsSkinGeometry::FromRecord(*ProductRecord<TbsDataSkinControl>("vupdown"));
  int w = 29, h = 38;
  FitSizeToSkin(g, w, h);
  EXPECT_EQ(w, 18);
  EXPECT_EQ(h, 36);
  const Bitmap picture = CoordinatePicture(250, 250);
  Bitmap out;
  ComposeSkinPicture(out, &picture, {165, 162, 183, 198}, g, 29, 38);
  EXPECT_EQ(out.GetSize(), (gfx::Size{18, 36}));
  EXPECT_EQ(SourceOf(out, 17, 35), (Point{182, 197}));
}

TEST(SkinGeometry, DegenerateFrameOnlySizesTheBitmap) {
  const Bitmap picture = CoordinatePicture(20, 20);
  Bitmap out;
  const TbsSkinGeometry flat =
      Geometry({0, 0, 20, 20}, {4, 4, 16, 16}, {4, 4}, {16, 4}, {4, 16}, {4, 16});
  ComposeSkinPicture(out, &picture, flat.skinrect, flat, 30, 25);
  EXPECT_EQ(out.GetSize(), (gfx::Size{30, 25}));
  EXPECT_EQ(Undrawn(out), 30 * 25);
  // No picture at all: the same, in every mode.
  const TbsSkinGeometry frame =
      Geometry({0, 0, 20, 20}, {4, 4, 16, 16}, {4, 4}, {16, 4}, {4, 16}, {16, 16});
  ComposeSkinPicture(out, nullptr, frame.skinrect, frame, 30, 25);
  EXPECT_EQ(out.GetSize(), (gfx::Size{30, 25}));
  // A control smaller than the fixed parts still gets every pixel drawn;
  // the bottom corners, drawn last, end in the picture's bottom corners.
  ComposeSkinPicture(out, &picture, frame.skinrect, frame, 5, 3);
  EXPECT_EQ(out.GetSize(), (gfx::Size{5, 3}));
  EXPECT_EQ(Undrawn(out), 0);
  EXPECT_EQ(SourceOf(out, 0, 2), (Point{0, 19}));
  EXPECT_EQ(SourceOf(out, 4, 2), (Point{19, 19}));
}

TEST(RegionFromMask, BlackRunsBecomeRows) {
  Bitmap mask(5, 3, gfx::clWhite);
  mask.SetPixel(0, 0, gfx::clBlack);
  mask.SetPixel(1, 0, gfx::clBlack);
  mask.SetPixel(4, 0, gfx::clBlack);
  mask.SetPixel(2, 2, gfx::RGB(0, 0, 1));  // nearly black is not black
  auto region = RegionFromMask(mask, {10, 20});
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(*region, gfx::Region::FromRects(std::vector<Rect>{{10, 20, 12, 21}, {14, 20, 15, 21}}));
  EXPECT_FALSE(RegionFromMask(Bitmap(5, 3, gfx::clWhite)).has_value());
  EXPECT_FALSE(RegionFromMask(Bitmap()).has_value());
}

TEST(RegionFromMask, FrameMaskKeepsEveryBlackPixel) {
  // The frame mask has curved corners: many runs, none may be lost.
  const Bitmap mask =
      LoadBitmapFile(std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin/framemask.bmp");
  std::int64_t black = 0;
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x)
      black += (mask.GetPixel(x, y) & 0xFFFFFF) == 0;
  auto region = RegionFromMask(mask);
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(region->Area(), black);
  // A striped mask with far more runs than any frame.
  Bitmap stripes(400, 100, gfx::clWhite);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 400; x += 2)
      stripes.SetPixel(x, y, gfx::clBlack);
  EXPECT_EQ(RegionFromMask(stripes)->Area(), 200 * 100);
}

// Seeded random masks whose rows often repeat the row above, against the
// pixels themselves: every black pixel inside, every other one outside.
TEST(RegionFromMask, RepeatedRowsGiveThePixelsShape) {
  std::minstd_rand random(20261207);
  for (int round = 0; round < 40; ++round) {
    const int w = 1 + static_cast<int>(random() % 24), h = 1 + static_cast<int>(random() % 24);
    Bitmap mask(w, h, gfx::clWhite);
    for (int y = 0; y < h; ++y) {
      if (y > 0 && random() % 3 != 0) {
        for (int x = 0; x < w; ++x)
          mask.SetPixel(x, y, mask.GetPixel(x, y - 1));
        continue;
      }
      for (int x = 0; x < w; ++x)
        if (random() % 2 == 0)
          mask.SetPixel(x, y, random() % 4 == 0 ? gfx::RGB(0, 0, 1) : gfx::clBlack);
    }
    const auto region = RegionFromMask(mask, {3, 5});
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(region.has_value() && region->Contains({x + 3, y + 5}),
                  mask.GetPixel(x, y) == gfx::clBlack)
            << "round " << round << " at " << x << "," << y;
  }
}

TEST(ShapeRegion, ButtonMaskFollowsTheButtonsWidth) {
  const TbsSkinGeometry g =
      TbsSkinGeometry::FromRecord(*ProductRecord<TbsDataSkinControl>("button"));
  const Bitmap mask =
      LoadBitmapFile(std::string(TILEBROOK_SOURCE_DIR) + "/assets/skin/buttonmask.bmp");
  auto region = ShapeRegionFromMask(&mask, g, 75, 20);
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(region->Bounds(), (Rect{0, 0, 75, 20}));
  EXPECT_FALSE(region->Contains({0, 0}));
  EXPECT_FALSE(region->Contains({74, 19}));
  EXPECT_TRUE(region->Contains({37, 10}));
  EXPECT_TRUE(region->Contains({74, 10}));
  // Narrower than the fixed ends, or without a mask: no shape.
  EXPECT_FALSE(ShapeRegionFromMask(&mask, g, 5, 20).has_value());
  EXPECT_FALSE(ShapeRegionFromMask(nullptr, g, 75, 20).has_value());
}

// The shape read through the mask's rows and columns is the one cut from
// the mask fitted as a picture: random masks (now and then smaller than the
// skin rectangle) with random points of every tile mode, at random sizes.
TEST(ShapeRegion, TheShapeReadFromTheMaskIsTheFittedMasksShape) {
  const auto fitted = [](const Bitmap& mask, const TbsSkinGeometry& g, int w, int h) {
    const TbsSizedGeometry s = SizedGeometry(g, w, h);
    std::optional<gfx::Region> none;
    if (g.tileMode == TbsTileMode::None || s.righttoppoint.x < s.lefttoppoint.x ||
        s.leftbottompoint.y < s.lefttoppoint.y)
      return none;
    Bitmap picture;
    ComposeSkinPicture(picture, &mask,
                       Rect::FromXYWH(0, 0, g.skinrect.Width(), g.skinrect.Height()), g, w, h);
    return RegionFromMask(picture);
  };
  std::minstd_rand random(31);
  const auto any = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  int modes[4] = {};  // by tile mode; the skin rectangle is never empty here
  for (int round = 0; round < 1500; ++round) {
    const int sw = 1 + any(16), sh = 1 + any(12);
    const bool small = any(8) == 0;
    Bitmap mask(small ? std::max(1, sw - any(4)) : sw + any(3),
                small ? std::max(1, sh - any(4)) : sh + any(3), gfx::clWhite);
    // Rows of a few kinds, so that some repeat.
    const int kinds = 1 + any(4);
    for (int y = 0; y < mask.Height(); ++y) {
      const int kind = any(kinds);
      for (int x = 0; x < mask.Width(); ++x)
        if (kind == 1 || (kind == 2 && (x + y) % 3 == 0) || (kind == 3 && x < 3))
          mask.SetPixel(x, y, gfx::clBlack);
    }
    TbsSkinGeometry g;
    g.skinrect = Rect::FromXYWH(any(5), any(5), sw, sh);
    const int mode = any(4);
    if (mode >= 1)
      g.lefttoppoint = {any(sw + 2), any(sh + 2)};
    if (mode == 1 || mode == 3)
      g.righttoppoint = {g.lefttoppoint.x + any(sw + 1), any(sh + 1)};
    if (mode >= 2)
      g.leftbottompoint = {any(sw + 1), g.lefttoppoint.y + any(sh + 1)};
    if (mode == 3)
      g.rightbottompoint = {g.righttoppoint.x + any(4), g.leftbottompoint.y + any(4)};
    g.ComputeTileMode();
    ++modes[static_cast<int>(g.tileMode)];
    const int w = any(40) - 2, h = any(30) - 2;
    ASSERT_EQ(ShapeRegionFromMask(&mask, g, w, h), fitted(mask, g, w, h))
        << "round " << round << " mode " << static_cast<int>(g.tileMode) << " at " << w << "x" << h;
  }
  for (int count : modes)
    EXPECT_GT(count, 0);
}
