#include "platform/gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <new>
#include <vector>

using namespace gfx;

TEST(Color, PixelsStoreBlueGreenRedInMemoryOrder) {
  Bitmap bmp(1, 1);
  bmp.SetPixel(0, 0, RGB(0x11, 0x22, 0x33));
  const auto* bytes = reinterpret_cast<const unsigned char*>(bmp.Bits());
  EXPECT_EQ(bytes[0], 0x33);  // blue
  EXPECT_EQ(bytes[1], 0x22);  // green
  EXPECT_EQ(bytes[2], 0x11);  // red
  EXPECT_EQ(bytes[3], 0x00);
  EXPECT_EQ(bmp.GetPixel(0, 0), 0x332211u);
}

TEST(Color, SystemColoursHaveTheClassicDefaults) {
  EXPECT_EQ(clBtnFace, RGB(192, 192, 192));
  EXPECT_EQ(clNavy, RGB(0, 0, 128));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), clBtnFace);
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), clNavy);
  EXPECT_EQ(GetSysColor(-1), clBlack);
  EXPECT_EQ(GetSysColor(COLOR_COUNT), clBlack);
  EXPECT_EQ(ColorToRGB(clSystemColor | COLOR_BTNHIGHLIGHT), clWhite);
  EXPECT_EQ(ColorToRGB(0x7F123456), 0x123456u);
}

TEST(Bitmap, NewBitmapsAreBlackAndSized) {
  Bitmap bmp(3, 2);
  EXPECT_EQ(bmp.Width(), 3);
  EXPECT_EQ(bmp.Height(), 2);
  EXPECT_EQ(bmp.Stride(), 12);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(bmp.GetPixel(x, y), clBlack);
  EXPECT_EQ(bmp.GetPixel(3, 0), CLR_INVALID);
  EXPECT_EQ(bmp.GetPixel(0, -1), CLR_INVALID);
  bmp.SetPixel(-1, 0, clWhite);  // ignored, no crash
}

TEST(Bitmap, FillSetsEveryPixelAtEverySize) {
  // Sizes around the block the fill copies, and pictures one pixel wide or
  // tall, so that no part of the last block is missed or overrun.
  const Size sizes[] = {{1, 1},   {4095, 1}, {4096, 1}, {4097, 1}, {1, 4097},
                        {64, 64}, {63, 67},  {4096, 3}, {1000, 9}, {5000, 2}};
  for (const Size& size : sizes) {
    Bitmap bmp(size.cx, size.cy);
    bmp.Fill(RGB(1, 2, 3));
    Bitmap filled(size.cx, size.cy, RGB(4, 5, 6));
    int wrong = 0;
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x)
        wrong += filled.GetPixel(x, y) != RGB(4, 5, 6) || bmp.GetPixel(x, y) != RGB(1, 2, 3);
    EXPECT_EQ(wrong, 0) << size.cx << " x " << size.cy;
  }
}

TEST(Bitmap, DegenerateAndOversizedRequests) {
  EXPECT_TRUE(Bitmap(-4, 10).IsEmpty());
  EXPECT_TRUE(Bitmap(0, 0).IsEmpty());
  EXPECT_THROW(Bitmap(Bitmap::kMaxDimension + 1, 1), std::bad_alloc);
  EXPECT_THROW(Bitmap(Bitmap::kMaxDimension, Bitmap::kMaxDimension), std::bad_alloc);
}

TEST(Bitmap, CloneIsADeepCopyAndMoveEmptiesTheSource) {
  Bitmap a(2, 2, clRed);
  Bitmap b = a.Clone();
  b.SetPixel(0, 0, clBlue);
  EXPECT_EQ(a.GetPixel(0, 0), clRed);
  EXPECT_TRUE(a.SameAs(a.Clone()));
  EXPECT_FALSE(a.SameAs(b));
  Bitmap c = std::move(a);
  EXPECT_TRUE(a.IsEmpty());  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(c.GetPixel(1, 1), clRed);
}

TEST(Bitmap, ViewsAreClippedToTheBitmap) {
  Bitmap bmp(4, 3);
  bmp.SetPixel(3, 2, clLime);
  ConstBitmapView v = bmp.View({2, 1, 10, 10});
  EXPECT_EQ(v.width, 2);
  EXPECT_EQ(v.height, 2);
  EXPECT_EQ(ColorFromPixel(v.Row(1)[1]), clLime);
  EXPECT_TRUE(bmp.View({5, 5, 8, 8}).IsEmpty());
}

// Lent pixels go back to their owner exactly once, whether the bitmap dies,
// is moved from or is overwritten, and a bitmap that cannot hold them gives
// them back at once.
TEST(Bitmap, LentPixelsAreGivenBackOnce) {
  std::vector<Pixel> memory(6, 0);
  int released = 0;
  auto giveBack = [&](Pixel* p) {
    EXPECT_EQ(p, memory.data());
    ++released;
  };
  {
    Bitmap lent = Bitmap::Adopt(memory.data(), 3, 2, giveBack);
    ASSERT_EQ(lent.GetSize(), (Size{3, 2}));
    lent.SetPixel(2, 1, RGB(1, 2, 3));
    EXPECT_EQ(memory[5], 0x010203u);
    Bitmap moved = std::move(lent);
    EXPECT_TRUE(lent.IsEmpty());
    EXPECT_EQ(moved.Bits(), memory.data());
    moved = Bitmap(1, 1);
    EXPECT_EQ(released, 1);
  }
  EXPECT_EQ(released, 1);

  Bitmap refused = Bitmap::Adopt(memory.data(), 0, 2, giveBack);
  EXPECT_TRUE(refused.IsEmpty());
  EXPECT_EQ(released, 2);
}
