#include "skin/data/EffectBmp.h"

#include "skin/data/FBitmap.h"

#include <gtest/gtest.h>

namespace {

// A one-row buffer whose pixels are grey levels (all three channels equal).
TbsEffectBmp GreyRow(std::initializer_list<int> levels) {
  TbsEffectBmp bmp(static_cast<int>(levels.size()), 1);
  int x = 0;
  for (int v : levels) {
    auto c = static_cast<uint8_t>(v);
    bmp.SetPixel(x++, 0, {c, c, c});
  }
  return bmp;
}

std::vector<int> Greys(const TbsEffectBmp& bmp, int y = 0) {
  std::vector<int> out;
  for (int x = 0; x < bmp.Width(); ++x)
    out.push_back(bmp.GetPixel(x, y).g);
  return out;
}

TEST(EffectBmp, RowsArePaddedToFourBytesAndPixelsAreBlueGreenRed) {
  for (int w : {1, 2, 3, 4, 5, 7})
    EXPECT_EQ(TbsEffectBmp(w, 2).RowLength() % 4, 0) << w;
  TbsEffectBmp bmp(5, 3);
  EXPECT_EQ(bmp.RowLength(), 16);
  EXPECT_EQ(bmp.Size(), 48);
  bmp.SetPixel(2, 1, {1, 2, 3});
  const uint8_t* p = bmp.Pixels() + 16 + 6;
  EXPECT_EQ(p[0], 1);
  EXPECT_EQ(p[1], 2);
  EXPECT_EQ(p[2], 3);
  bmp.SetPixel(5, 0, {9, 9, 9});  // outside: ignored
  EXPECT_EQ(bmp.GetPixel(-1, 0), TbsBGR{});
}

TEST(EffectBmp, BlendClampsItsFactorAndRoundsTiesToEven) {
  auto b = GreyRow({255, 0, 0});
  auto a = GreyRow({0, 1, 3});
  a.ApplyMorph(TbsMorphKind::mkDefault, b, 0);
  EXPECT_EQ(Greys(a), (std::vector<int>{0, 1, 3}));
  a.ApplyMorph(TbsMorphKind::mkDefault, b, 0.5);
  // 127.5 -> 128, 0.5 -> 0, 1.5 -> 2
  EXPECT_EQ(Greys(a), (std::vector<int>{128, 0, 2}));
  a.ApplyMorph(TbsMorphKind::mkDefault, b, 1.7);
  EXPECT_EQ(Greys(a), (std::vector<int>{255, 0, 0}));
}

TEST(EffectBmp, NoMorphChangesABufferOfAnotherSize) {
  TbsEffectBmp other(4, 2);
  for (int kind = 0; kind <= 6; ++kind) {
    auto a = GreyRow({10, 20, 30, 40});
    a.ApplyMorph(static_cast<TbsMorphKind>(kind), other, 0.5);
    EXPECT_EQ(Greys(a), (std::vector<int>{10, 20, 30, 40})) << kind;
  }
}

TEST(EffectBmp, CentreGradientAtZeroTurnsOnlyTheCentreIntoTheOther) {
  auto b = GreyRow({200, 200, 200, 200, 200});
  auto a = GreyRow({0, 0, 0, 0, 0});
  a.ApplyMorph(TbsMorphKind::mkGradient, b, 0);
  EXPECT_EQ(Greys(a), (std::vector<int>{0, 100, 200, 100, 0}));

  // Taller than wide: the same along the rows.
  TbsEffectBmp tall(1, 5), tallB(1, 5);
  for (int y = 0; y < 5; ++y)
    tallB.SetPixel(0, y, {200, 200, 200});
  tall.ApplyMorph(TbsMorphKind::mkGradient, tallB, 0);
  std::vector<int> column;
  for (int y = 0; y < 5; ++y)
    column.push_back(tall.GetPixel(0, y).g);
  EXPECT_EQ(column, (std::vector<int>{0, 100, 200, 100, 0}));
}

TEST(EffectBmp, CentreGradientWidensWithTheFactor) {
  auto b = GreyRow({200, 200, 200, 200, 200, 200, 200, 200});
  auto a = GreyRow({0, 0, 0, 0, 0, 0, 0, 0});
  a.ApplyMorph(TbsMorphKind::mkGradient, b, 0.5);
  // band 4, fade step 1/2: columns 2..6 become B, then fade outwards.
  EXPECT_EQ(Greys(a), (std::vector<int>{0, 100, 200, 200, 200, 200, 200, 100}));
}

TEST(EffectBmp, SideGradientsFadeFromTheirEdge) {
  auto b = GreyRow({200, 200, 200, 200});
  auto left = GreyRow({0, 0, 0, 0});
  left.ApplyMorph(TbsMorphKind::mkLeftGradient, b, 0.5);
  EXPECT_EQ(Greys(left), (std::vector<int>{200, 100, 0, 0}));
  auto right = GreyRow({0, 0, 0, 0});
  right.ApplyMorph(TbsMorphKind::mkRightGradient, b, 0.5);
  EXPECT_EQ(Greys(right), (std::vector<int>{0, 0, 100, 200}));
  // At zero the left gradient still reaches one column in.
  auto zero = GreyRow({0, 0, 0, 0});
  zero.ApplyMorph(TbsMorphKind::mkLeftGradient, b, 0);
  EXPECT_EQ(Greys(zero), (std::vector<int>{200, 0, 0, 0}));
}

TEST(EffectBmp, SlidesAndPushMoveWholeColumns) {
  auto b = GreyRow({11, 12, 13, 14});
  auto leftZero = GreyRow({1, 2, 3, 4});
  leftZero.ApplyMorph(TbsMorphKind::mkLeftSlide, b, 0);
  EXPECT_EQ(Greys(leftZero), (std::vector<int>{14, 2, 3, 4}));
  auto left = GreyRow({1, 2, 3, 4});
  left.ApplyMorph(TbsMorphKind::mkLeftSlide, b, 0.5);
  EXPECT_EQ(Greys(left), (std::vector<int>{13, 14, 3, 4}));
  auto right = GreyRow({1, 2, 3, 4});
  right.ApplyMorph(TbsMorphKind::mkRightSlide, b, 0.5);
  EXPECT_EQ(Greys(right), (std::vector<int>{1, 2, 11, 12}));
  auto full = GreyRow({1, 2, 3, 4});
  full.ApplyMorph(TbsMorphKind::mkLeftSlide, b, 1);
  EXPECT_EQ(Greys(full), (std::vector<int>{12, 13, 14, 4}));
  auto push = GreyRow({1, 2, 3, 4});
  push.ApplyMorph(TbsMorphKind::mkPush, b, 0.25);
  EXPECT_EQ(Greys(push), (std::vector<int>{13, 14, 1, 2}));
  auto pushed = GreyRow({1, 2, 3, 4});
  pushed.ApplyMorph(TbsMorphKind::mkPush, b, 1);
  EXPECT_EQ(Greys(pushed), (std::vector<int>{11, 12, 13, 14}));
}

TEST(EffectBmp, ChannelEffects) {
  auto light = GreyRow({0, 255});
  light.Lighten(0.5);
  EXPECT_EQ(Greys(light), (std::vector<int>{128, 255}));
  auto dark = GreyRow({0, 255});
  dark.Darken(0.3);
  EXPECT_EQ(Greys(dark), (std::vector<int>{0, 178}));
  auto inverted = GreyRow({0, 100});
  inverted.Invert();
  EXPECT_EQ(Greys(inverted), (std::vector<int>{255, 155}));

  TbsEffectBmp red(1, 1);
  red.SetPixel(0, 0, {0, 0, 255});
  red.GreyScale();
  EXPECT_EQ(red.GetPixel(0, 0), (TbsBGR{76, 76, 76}));
}

TEST(EffectBmp, NoiseMovesAllChannelsOfAPixelTogetherWithinItsRange) {
  TbsEffectBmp bmp(64, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 64; ++x)
      bmp.SetPixel(x, y, {100, 100, 100});
  bmp.AddNoise(50);
  int lowest = 255, highest = 0;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 64; ++x) {
      TbsBGR p = bmp.GetPixel(x, y);
      EXPECT_TRUE(p.b == p.g && p.g == p.r);
      lowest = std::min<int>(lowest, p.g);
      highest = std::max<int>(highest, p.g);
    }
  EXPECT_GE(lowest, 75);
  EXPECT_LE(highest, 124);
  EXPECT_LT(lowest, highest);
}

TEST(EffectBmp, SplitBlurReadsNeighboursAlreadyProcessed) {
  auto row = GreyRow({0, 40, 80});
  row.SplitBlur(1);
  // One row high: upper and lower rows are the row itself.
  EXPECT_EQ(Greys(row), (std::vector<int>{20, 50, 65}));
  auto same = GreyRow({0, 40, 80});
  same.SplitBlur(0);
  EXPECT_EQ(Greys(same), (std::vector<int>{0, 40, 80}));
  auto far = GreyRow({0, 40, 80});
  far.SplitBlur(-2147483647 - 1);  // every neighbour outside: the pixel itself
  EXPECT_EQ(Greys(far), (std::vector<int>{0, 40, 80}));
}

TEST(EffectBmp, RotationsTurnAQuarterIntoATransposedBuffer) {
  TbsEffectBmp src(3, 2);
  src.SetPixel(0, 0, {1, 1, 1});
  src.SetPixel(2, 1, {2, 2, 2});
  TbsEffectBmp left(2, 3), right(2, 3);
  src.RotateLeftInto(left);
  src.RotateRightInto(right);
  EXPECT_EQ(left.GetPixel(0, 2).g, 1);
  EXPECT_EQ(left.GetPixel(1, 0).g, 2);
  EXPECT_EQ(right.GetPixel(1, 0).g, 1);
  EXPECT_EQ(right.GetPixel(0, 2).g, 2);
  TbsEffectBmp wrong(3, 2);
  src.RotateLeftInto(wrong);
  EXPECT_EQ(wrong.GetPixel(0, 0).g, 0);
}

}  // namespace

namespace {

TEST(EffectBmp, ConvertsFromAndToPlatformBitmapsAndDraws) {
  gfx::Bitmap source(3, 2, gfx::RGB(10, 20, 30));
  source.SetPixel(2, 1, gfx::RGB(255, 0, 128));
  TbsEffectBmp bmp(source);
  EXPECT_EQ(bmp.GetPixel(0, 0), (TbsBGR{30, 20, 10}));
  EXPECT_EQ(bmp.GetPixel(2, 1), (TbsBGR{128, 0, 255}));
  EXPECT_TRUE(bmp.ToBitmap().SameAs(source));

  gfx::Bitmap target(6, 6, gfx::clWhite);
  gfx::DeviceContext dc(target);
  bmp.Draw(dc, 2, 3);
  EXPECT_EQ(target.GetPixel(1, 3), gfx::clWhite);
  EXPECT_EQ(target.GetPixel(2, 3), gfx::RGB(10, 20, 30));
  EXPECT_EQ(target.GetPixel(4, 4), gfx::RGB(255, 0, 128));
  EXPECT_EQ(target.GetPixel(5, 4), gfx::clWhite);
}

TEST(FBitmap, RowTableAddressesPaddedTopDownRows) {
  gfx::Bitmap mask(5, 3, gfx::clWhite);
  mask.SetPixel(4, 2, gfx::clBlack);
  mask.SetPixel(0, 1, gfx::RGB(1, 0, 0));
  TbsFBitmap fb(mask);
  EXPECT_EQ(fb.RowLength(), 16);
  EXPECT_EQ(fb.Gap(), 1);
  EXPECT_EQ(fb.Size(), 48);
  EXPECT_EQ(fb.Scanline(2) - fb.Scanline(0), 32);
  EXPECT_TRUE(fb.IsBlack(4, 2));
  EXPECT_FALSE(fb.IsBlack(0, 1));
  EXPECT_FALSE(fb.IsBlack(5, 2));
  EXPECT_EQ(fb.Scanline(1)[2], 1);  // red of (0, 1)
}

}  // namespace
