#include "skin/form/FrameGeometry.h"

#include <gtest/gtest.h>

#include <random>

#include "FrameTestSupport.h"
#include "skin/data/SkinGeometry.h"
#include "support/GfxPrinters.h"

using gfx::Bitmap;
using gfx::Point;
using gfx::Rect;

namespace {

const TbsSkinData& Product() {
  static const std::unique_ptr<TbsSkinData> skin = [] {
    TbsStoredSkin stored(nullptr);
    stored.LoadFromSkinFile(frametest::ProductSkinFile());
    auto data = std::make_unique<TbsSkinData>(nullptr);
    data->ApplyStoredSkin(&stored);
    return data;
  }();
  return *skin;
}

// The frame composed into one window-sized bitmap.
Bitmap Window(const TbsFrameStrips& s, int w, int h) {
  Bitmap out(w, h, gfx::RGB(1, 2, 3));
  gfx::DeviceContext dc(out);
  dc.DrawBitmap(0, 0, s.Top);
  const Point l = LeftStripOrigin(s), r = RightStripOrigin(s, w), b = BottomStripOrigin(s, h);
  dc.DrawBitmap(l.x, l.y, s.Left);
  dc.DrawBitmap(r.x, r.y, s.Right);
  dc.DrawBitmap(b.x, b.y, s.Bottom);
  return out;
}

TEST(FrameGeometry, PictureSizedFrameReproducesPictureAndMask) {
  const TbsSkinData& skin = Product();
  const int pw = skin.Picture.Width(), ph = skin.Picture.Height();
  ASSERT_EQ(pw, 205);
  ASSERT_EQ(ph, 167);
  TbsFrameStrips strips;
  ComposeFrameStrips(strips, skin.Picture, TbsFrameLayout::FromSkin(skin), pw, ph);
  const Bitmap frame = Window(strips, pw, ph);
  const Rect client = skin.clientrect;
  for (int y = 0; y < ph; ++y)
    for (int x = 0; x < pw; ++x)
      if (!client.Contains({x, y})) {
        ASSERT_EQ(frame.GetPixel(x, y), skin.Picture.GetPixel(x, y)) << x << "," << y;
      }
  const TbsSizedFrame sized = CalcSizedGeometry(skin, pw, ph);
  TbsFrameStrips mask;
  ComposeMaskStrips(mask, skin, sized);
  const auto region = FrameRegionFromMask(mask, sized);
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(*region, *RegionFromMask(skin.MaskPicture));
  for (int y = 0; y < ph; y += 3)
    for (int x = 0; x < pw; x += 3)
      EXPECT_EQ(PointInFrameShape(mask, sized, {x, y}), region->Contains({x, y})) << x << "," << y;
}

TEST(FrameGeometry, WideningMovesTheRightPiecesAndWidensTheMiddles) {
  const TbsSkinData& skin = Product();
  const int pw = skin.Picture.Width(), ph = skin.Picture.Height();
  const TbsSizedFrame a = CalcSizedGeometry(skin, pw, ph);
  const TbsSizedFrame b = CalcSizedGeometry(skin, pw + 100, ph);
  EXPECT_EQ(b.SizedRightTop.x, a.SizedRightTop.x + 100);
  EXPECT_EQ(b.SizedRightBottom.x, a.SizedRightBottom.x + 100);
  EXPECT_EQ(b.SizedLeftTop, a.SizedLeftTop);
  EXPECT_EQ(b.SizedClientRect.Width(), a.SizedClientRect.Width() + 100);
  EXPECT_EQ(b.SizedButtonsRect, a.SizedButtonsRect.Offset(100, 0));
  EXPECT_EQ(MapObjectRect(skin, b, {55, 7, 91, 22}), (Rect{55, 7, 191, 22}));
  EXPECT_EQ(MapObjectRect(skin, b, {150, 5, 160, 20}), (Rect{250, 5, 260, 20}));
  EXPECT_EQ(MapObjectRect(skin, b, {9, 7, 25, 23}), (Rect{9, 7, 25, 23}));
  TbsFrameStrips narrow, wide;
  ComposeFrameStrips(narrow, skin.Picture, TbsFrameLayout::FromSkin(skin), pw, ph);
  ComposeFrameStrips(wide, skin.Picture, TbsFrameLayout::FromSkin(skin), pw + 100, ph);
  // The right corner pieces sit 100 pixels further right, unchanged.
  for (int y = 0; y < narrow.Top.Height(); ++y)
    for (int x = skin.righttoppoint.x; x < pw; ++x)
      ASSERT_EQ(wide.Top.GetPixel(x + 100, y), narrow.Top.GetPixel(x, y));
  EXPECT_TRUE(wide.Right.SameAs(narrow.Right));
}

// Drawn straight into a window, the frame shows exactly what its composed
// strips show, gaps of odd layouts included, and nothing else is touched:
// random layouts, repeated and stretched, some reaching past the picture.
TEST(FrameGeometry, StripsDrawnIntoTheWindowMatchTheComposedOnes) {
  std::minstd_rand random(1207);
  const auto any = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  Bitmap picture(24, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 24; ++x)
      picture.SetPixel(x, y, gfx::RGB(10 * x, 10 * y, 128));
  for (int round = 0; round < 200; ++round) {
    TbsFrameLayout l;
    l.clientrect = {1 + any(6), 1 + any(6), 14 + any(12), 12 + any(10)};
    l.lefttoppoint = {any(12), any(12)};
    l.righttoppoint = {l.lefttoppoint.x + any(14), any(12)};
    l.leftbottompoint = {any(12), l.lefttoppoint.y + any(12)};
    l.rightbottompoint = {l.leftbottompoint.x + any(14), l.righttoppoint.y + any(12)};
    l.topstretch = any(3) == 0;
    l.bottomstretch = any(3) == 0;
    l.leftstretch = any(3) == 0;
    l.rightstretch = any(3) == 0;
    const int w = 10 + any(40), h = 10 + any(30);
    TbsFrameStrips strips;
    ComposeFrameStrips(strips, picture, l, w, h);
    const Bitmap composed = Window(strips, w, h);
    Bitmap drawn(w, h, gfx::RGB(1, 2, 3));
    gfx::DeviceContext dc(drawn);
    const TbsFramePlaces at = DrawFrameStrips(dc, picture, l, w, h);
    EXPECT_EQ(at.Top.Height(), strips.Top.Height());
    EXPECT_EQ(at.Left.Width(), strips.Left.Width());
    ASSERT_TRUE(drawn.SameAs(composed)) << "round " << round;
  }
}

// A 10 x 6 picture whose pixels name their column; corners at columns 3
// and 6, client rows 2..4.
TbsFrameLayout SmallLayout(bool topstretch) {
  TbsFrameLayout l;
  l.lefttoppoint = {3, 2};
  l.righttoppoint = {6, 2};
  l.leftbottompoint = {3, 4};
  l.rightbottompoint = {6, 4};
  l.clientrect = {2, 2, 8, 4};
  l.topstretch = topstretch;
  return l;
}

Bitmap ColumnPicture() {
  Bitmap b(10, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x)
      b.SetPixel(x, y, gfx::RGB(x * 10, y * 10, 7));
  return b;
}

std::vector<int> TopColumns(const Bitmap& strip) {
  std::vector<int> out;
  for (int x = 0; x < strip.Width(); ++x)
    out.push_back(gfx::GetRValue(strip.GetPixel(x, 0)) / 10);
  return out;
}

TEST(FrameGeometry, TopMiddleRepeatsFromColumnZeroOrStretches) {
  const Bitmap picture = ColumnPicture();
  TbsFrameStrips repeated, stretched;
  ComposeFrameStrips(repeated, picture, SmallLayout(false), 16, 6);
  ComposeFrameStrips(stretched, picture, SmallLayout(true), 16, 6);
  // Middle columns 3, 4, 5 repeat from strip column 0; corners 0..2 and
  // 6..9 are drawn over at the ends.
  EXPECT_EQ(TopColumns(repeated.Top),
            (std::vector<int>{0, 1, 2, 3, 4, 5, 3, 4, 5, 3, 4, 5, 6, 7, 8, 9}));
  // One stretched copy of 3, 4, 5 over nine columns.
  EXPECT_EQ(TopColumns(stretched.Top),
            (std::vector<int>{0, 1, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 7, 8, 9}));
  EXPECT_EQ(repeated.Top.Height(), 2);
  EXPECT_EQ(repeated.Left.GetSize(), (gfx::Size{2, 2}));
  EXPECT_EQ(repeated.Right.GetSize(), (gfx::Size{2, 2}));
  EXPECT_EQ(repeated.Bottom.GetSize(), (gfx::Size{16, 2}));
}

TEST(FrameGeometry, DamagedLayoutsDrawNothingOutsideTheWindow) {
  const Bitmap picture = ColumnPicture();
  TbsFrameLayout bad = SmallLayout(false);
  bad.righttoppoint = {1, 2};       // crossed corners: no top strip
  bad.clientrect = {-5, 2, 30, 4};  // beyond the picture
  TbsFrameStrips strips;
  for (const int size : {0, 1, 5, 16}) {
    ComposeFrameStrips(strips, picture, bad, size, size);
    EXPECT_TRUE(strips.Top.IsEmpty());
    EXPECT_LE(strips.Bottom.Width(), size);
    EXPECT_LE(strips.Left.Height(), size);
    EXPECT_LE(strips.Right.Width(), size);
  }
}

}  // namespace

namespace {

// A container holding only what the frame reads.
std::unique_ptr<TbsSkinData> HandMadeSkin(int pw, int ph, Rect client) {
  auto skin = std::make_unique<TbsSkinData>(nullptr);
  skin->Empty = false;
  skin->Picture = Bitmap(pw, ph, gfx::clRed);
  skin->clientrect = client;
  skin->maskrectarea = client;
  skin->lefttoppoint = {client.left, client.top};
  skin->righttoppoint = {client.right, client.top};
  skin->leftbottompoint = {client.left, client.bottom};
  skin->rightbottompoint = {client.right, client.bottom};
  return skin;
}

TEST(FrameGeometry, SkinsThatCannotDrawAFrameAreRecognised) {
  auto good = HandMadeSkin(20, 20, {2, 5, 18, 18});
  EXPECT_TRUE(SkinCanDrawFrame(*good));
  EXPECT_FALSE(SkinHasUsableMask(*good));  // no mask at all
  good->MaskPicture = Bitmap(20, 20);
  EXPECT_TRUE(SkinHasUsableMask(*good));
  // A mask of another size than the picture cuts no shape.
  good->MaskPicture = Bitmap(21, 20);
  EXPECT_FALSE(SkinHasUsableMask(*good));
  TbsFrameStrips mask;
  ComposeMaskStrips(mask, *good, CalcSizedGeometry(*good, 40, 40));
  EXPECT_TRUE(mask.Top.IsEmpty() && mask.Left.IsEmpty() && mask.Right.IsEmpty() &&
              mask.Bottom.IsEmpty());

  auto noPicture = HandMadeSkin(20, 20, {2, 5, 18, 18});
  noPicture->Picture = Bitmap();
  EXPECT_FALSE(SkinCanDrawFrame(*noPicture));
  EXPECT_FALSE(SkinCanDrawFrame(*HandMadeSkin(20, 20, {2, 5, 21, 18})));
  EXPECT_FALSE(SkinCanDrawFrame(*HandMadeSkin(20, 20, {-1, 5, 18, 18})));
  EXPECT_FALSE(SkinCanDrawFrame(*HandMadeSkin(20, 20, {10, 5, 8, 18})));
  auto empty = HandMadeSkin(20, 20, {2, 5, 18, 18});
  empty->Empty = true;
  EXPECT_FALSE(SkinCanDrawFrame(*empty));
}

TEST(FrameGeometry, MaskRegionNeverLeavesTheWindow) {
  auto skin = HandMadeSkin(20, 20, {2, 5, 18, 18});
  skin->MaskPicture = Bitmap(20, 20);  // all black: everything inside
  for (const auto& [w, h] : {std::pair{20, 20}, {50, 33}, {3, 3}, {0, 0}}) {
    const TbsSizedFrame sized = CalcSizedGeometry(*skin, w, h);
    TbsFrameStrips mask;
    ComposeMaskStrips(mask, *skin, sized);
    const auto region = FrameRegionFromMask(mask, sized);
    if (w == 0) {
      EXPECT_FALSE(region.has_value());
      continue;
    }
    ASSERT_TRUE(region.has_value()) << w << "x" << h;
    EXPECT_EQ(region->Bounds().Intersect({0, 0, w, h}), region->Bounds());
    if (w >= 20 && h >= 20) {
      EXPECT_EQ(region->Area(), w * h);
    }
  }
}

// The shape read from the mask's pieces is the one cut from the composed
// strips: the product skin at sizes around its picture's, and random masks
// with random corner points (some beyond the mask) at random sizes.
TEST(FrameGeometry, ShapeFromTheMaskPiecesIsTheComposedStripsShape) {
  const auto composed = [](const TbsSkinData& skin, const TbsSizedFrame& sized) {
    TbsFrameStrips strips;
    ComposeMaskStrips(strips, skin, sized);
    return FrameRegionFromMask(strips, sized);
  };
  const TbsSkinData& product = Product();
  for (const auto& [w, h] : {std::pair{205, 167}, {397, 149}, {640, 480}, {150, 100}, {1, 1}}) {
    const TbsSizedFrame sized = CalcSizedGeometry(product, w, h);
    EXPECT_EQ(FrameShapeRegion(product, sized), composed(product, sized)) << w << "x" << h;
  }
  std::minstd_rand random(2212);
  const auto any = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int round = 0; round < 400; ++round) {
    auto skin = HandMadeSkin(24, 20, {2 + any(5), 2 + any(5), 14 + any(8), 12 + any(6)});
    Bitmap mask(24, 20, gfx::clWhite);
    // Rows of a few kinds, so that some repeat and the middles are whole.
    const int kinds = 1 + any(4);
    for (int y = 0; y < 20; ++y) {
      const int kind = any(kinds);
      for (int x = 0; x < 24; ++x)
        if (kind == 1 || (kind == 2 && (x + y) % 3 == 0) || (kind == 3 && x < 6))
          mask.SetPixel(x, y, gfx::clBlack);
    }
    skin->MaskPicture = std::move(mask);
    skin->maskrectarea = {any(8), any(8), 12 + any(13), 10 + any(11)};
    const int spill = any(6) == 0 ? 30 : 0;  // now and then, a corner beyond the mask
    skin->lefttoppoint = {any(12 + spill), any(12)};
    skin->righttoppoint = {skin->lefttoppoint.x + any(14), any(12 + spill)};
    skin->leftbottompoint = {any(12), skin->lefttoppoint.y + any(10)};
    skin->rightbottompoint = {skin->leftbottompoint.x + any(14), skin->righttoppoint.y + any(10)};
    const int w = 1 + any(60), h = 1 + any(45);
    const TbsSizedFrame sized = CalcSizedGeometry(*skin, w, h);
    ASSERT_EQ(FrameShapeRegion(*skin, sized), composed(*skin, sized)) << "round " << round;
  }
}

}  // namespace
