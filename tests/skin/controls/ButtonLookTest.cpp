#include "skin/controls/ButtonLook.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ControlTestSupport.h"
#include "skin/controls/PlainLook.h"
#include "support/GfxPrinters.h"

using controltest::ProductRecord;
using controltest::ProductSkin;
using gfx::Bitmap;
using gfx::Rect;

namespace {

// The darkest channel sum inside rect: text shows as the darkest pixels.
int Darkest(const Bitmap& b, const Rect& r) {
  int best = 3 * 255;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const gfx::ColorRef c = b.GetPixel(x, y);
      best = std::min(best, gfx::GetRValue(c) + gfx::GetGValue(c) + gfx::GetBValue(c));
    }
  return best;
}

bool HasColour(const Bitmap& b, gfx::ColorRef colour, const Rect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (b.GetPixel(x, y) == colour)
        return true;
  return false;
}

// A strip of two 6 x 4 cells, red and blue, each with a fuchsia
// bottom-left corner as its transparent colour.
Bitmap GlyphStrip() {
  Bitmap strip(12, 4, gfx::clRed);
  for (int y = 0; y < 4; ++y)
    for (int x = 6; x < 12; ++x)
      strip.SetPixel(x, y, gfx::clBlue);
  strip.SetPixel(0, 3, gfx::clFuchsia);
  strip.SetPixel(6, 3, gfx::clFuchsia);
  return strip;
}

// The top-left corner of the pixels of colour c, or (-1, -1).
gfx::Point FirstOf(const Bitmap& b, gfx::ColorRef c) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x)
      if (b.GetPixel(x, y) == c)
        return {x, y};
  return {-1, -1};
}

}  // namespace

TEST(ButtonLook, StatePicturesFallBackToTheNormalOne) {
  TbsDataSkinButtonControl record("b");
  record.skinrect = {0, 0, 30, 20};
  TbsButtonState hot{.MouseOver = true};
  EXPECT_EQ(ChooseButtonStatePicture(record, hot).Rect, record.skinrect);
  TbsButtonState down{.MouseOver = true, .Down = true};
  EXPECT_EQ(ChooseButtonStatePicture(record, down).Rect, record.skinrect);
  record.activeskinrect = {32, 0, 62, 20};
  EXPECT_EQ(ChooseButtonStatePicture(record, down).Rect, record.activeskinrect);
  EXPECT_TRUE(ChooseButtonStatePicture(record, down).Down);
  // Down but with the mouse gone: a push button looks up again, a grouped
  // one stays pressed.
  TbsButtonState away{.Down = true, .PressedByMouse = true};
  EXPECT_EQ(ChooseButtonStatePicture(record, away).Rect, record.skinrect);
  away.GroupIndex = 1;
  EXPECT_EQ(ChooseButtonStatePicture(record, away).Rect, record.activeskinrect);
  // Without a disabled picture a disabled button shows the normal one.
  TbsButtonState off{.Enabled = false, .MouseOver = true};
  EXPECT_EQ(ChooseButtonStatePicture(record, off).Rect, record.activeskinrect);
  off.MouseOver = false;
  EXPECT_EQ(ChooseButtonStatePicture(record, off).Rect, record.skinrect);
  // A fade-out starts from the hot picture.
  record.morphing = true;
  TbsButtonState fading{.MorphFactor = 1.0};
  EXPECT_EQ(ChooseButtonStatePicture(record, fading).Rect, record.activeskinrect);
}

TEST(ButtonLook, GlyphCells) {
  EXPECT_EQ(ButtonGlyphCell(4, true, true, true), 3);
  EXPECT_EQ(ButtonGlyphCell(2, true, true, true), 1);
  EXPECT_EQ(ButtonGlyphCell(4, true, true, false), 4);
  EXPECT_EQ(ButtonGlyphCell(3, true, true, false), 1);
  EXPECT_EQ(ButtonGlyphCell(2, false, false, false), 2);
  EXPECT_EQ(ButtonGlyphCell(1, false, false, false), 1);
}

TEST(ButtonLook, GlyphPlacementWithMarginAndCentred) {
  const Bitmap strip = GlyphStrip();
  auto place = [&](int margin, bool pressed, int cell, TbsButtonLayout layout) {
    Bitmap b(40, 20, gfx::clWhite);
    gfx::DeviceContext dc(b);
    PlaceGlyphAndText(dc, {0, 0, 40, 20}, margin, pressed, cell, 2, &strip, "", layout, 1);
    return b;
  };
  Bitmap b = place(3, false, 1, blGlyphLeft);
  EXPECT_EQ(FirstOf(b, gfx::clRed), (gfx::Point{3, 8}));
  // The transparent corner leaves the background.
  EXPECT_EQ(b.GetPixel(3, 11), gfx::clWhite);
  EXPECT_EQ(FirstOf(b, gfx::clBlue), (gfx::Point{-1, -1}));
  EXPECT_EQ(FirstOf(place(3, true, 2, blGlyphLeft), gfx::clBlue), (gfx::Point{4, 9}));
  EXPECT_EQ(FirstOf(place(3, false, 1, blGlyphRight), gfx::clRed), (gfx::Point{31, 8}));
  EXPECT_EQ(FirstOf(place(2, false, 1, blGlyphBottom), gfx::clRed), (gfx::Point{17, 14}));
  EXPECT_EQ(FirstOf(place(-1, false, 1, blGlyphLeft), gfx::clRed), (gfx::Point{17, 8}));
  EXPECT_EQ(FirstOf(place(-1, false, 1, blGlyphTop), gfx::clRed), (gfx::Point{17, 8}));
}

TEST(ButtonLook, CaptionIsCentredInTheClientArea) {
  Bitmap b(75, 25, gfx::clWhite);
  gfx::DeviceContext dc(b);
  dc.SelectFont(DefaultControlFont());
  dc.SetTextColor(gfx::clBlack);
  PlaceGlyphAndText(dc, {0, 0, 75, 25}, -1, false, 1, 1, nullptr, "...", blGlyphLeft, 1);
  int left = 75, right = -1;
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 75; ++x)
      if (b.GetPixel(x, y) != gfx::clWhite) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, left);
  // Centred within a pixel or two (the text box is widened by 2 on the right).
  EXPECT_LE(std::abs(left - (74 - right)), 3);
}

TEST(ButtonLook, PlainLookStates) {
  TbsButtonContent content{.Caption = "OK", .DefaultFont = DefaultControlFont()};
  auto paint = [&](TbsButtonState state) {
    Bitmap b(75, 25);
    gfx::DeviceContext dc(b);
    PaintButtonPlainLook(dc, 75, 25, state, content);
    return b;
  };
  Bitmap normal = paint({});
  EXPECT_EQ(normal.GetPixel(0, 0), gfx::clBtnShadow);
  EXPECT_EQ(normal.GetPixel(2, 2), gfx::clBtnFace);
  Bitmap pressed = paint({.MouseOver = true, .Down = true});
  EXPECT_EQ(pressed.GetPixel(0, 0), gfx::clNavy);
  EXPECT_EQ(pressed.GetPixel(2, 2), gfx::RGB(133, 147, 181));
  Bitmap focused = paint({.Focused = true});
  EXPECT_EQ(focused.GetPixel(2, 2), gfx::RGB(182, 189, 210));
  EXPECT_LT(Darkest(normal, {2, 2, 73, 23}), 100);
  EXPECT_GE(Darkest(paint({.Enabled = false}), {2, 2, 73, 23}), 3 * 0x80 - 12);
  // The caption is written in the default font's colour.
  content.DefaultFontColor = gfx::RGB(200, 0, 0);
  EXPECT_TRUE(HasColour(paint({}), gfx::RGB(200, 0, 0), {2, 2, 73, 23}));
  EXPECT_FALSE(HasColour(paint({.Enabled = false}), gfx::RGB(200, 0, 0), {2, 2, 73, 23}));
}

TEST(ButtonLook, ProductButtonDisabledShowsTheNormalPictureWithAGreyCaption) {
  const auto* record = ProductRecord<TbsDataSkinButtonControl>("button");
  ASSERT_NE(record, nullptr);
  TbsButtonContent content{.Caption = "OK"};
  Bitmap enabled, disabled, blank;
  PaintButtonSkinLook(enabled, ProductSkin(), *record, {}, content, 75, 25);
  PaintButtonSkinLook(disabled, ProductSkin(), *record, {.Enabled = false}, content, 75, 25);
  PaintButtonSkinLook(blank, ProductSkin(), *record, {}, {}, 75, 25);
  // The horizontal tile mode keeps the skin height.
  ASSERT_EQ(enabled.GetSize(), (gfx::Size{75, 20}));
  EXPECT_EQ(disabled.GetPixel(5, 1), blank.GetPixel(5, 1));
  EXPECT_LT(Darkest(enabled, {10, 3, 65, 17}), Darkest(disabled, {10, 3, 65, 17}));
  EXPECT_GE(Darkest(disabled, {10, 3, 65, 17}), 3 * 0x80 - 12);
}

TEST(ButtonLook, MorphLiesBetweenTheNormalAndTheHotPicture) {
  const auto* record = ProductRecord<TbsDataSkinButtonControl>("button");
  ASSERT_TRUE(record->morphing);
  Bitmap normal, hot, half;
  PaintButtonSkinLook(normal, ProductSkin(), *record, {}, {}, 60, 20);
  PaintButtonSkinLook(hot, ProductSkin(), *record, {.MouseOver = true}, {}, 60, 20);
  PaintButtonSkinLook(half, ProductSkin(), *record, {.MorphFactor = 0.5}, {}, 60, 20);
  ASSERT_FALSE(normal.SameAs(hot));
  ASSERT_EQ(half.GetSize(), normal.GetSize());
  // Half way every channel lies between its two ends, about in the middle
  // (the product button blends), never past either end.
  int between = 0;
  for (int y = 0; y < half.Height(); ++y)
    for (int x = 0; x < half.Width(); ++x) {
      const gfx::ColorRef n = normal.GetPixel(x, y), h = hot.GetPixel(x, y),
                          m = half.GetPixel(x, y);
      const int ns[] = {gfx::GetRValue(n), gfx::GetGValue(n), gfx::GetBValue(n)};
      const int hs[] = {gfx::GetRValue(h), gfx::GetGValue(h), gfx::GetBValue(h)};
      const int ms[] = {gfx::GetRValue(m), gfx::GetGValue(m), gfx::GetBValue(m)};
      for (int c = 0; c < 3; ++c) {
        EXPECT_GE(ms[c], std::min(ns[c], hs[c])) << x << "," << y << " channel " << c;
        EXPECT_LE(ms[c], std::max(ns[c], hs[c])) << x << "," << y << " channel " << c;
        EXPECT_LE(std::abs(2 * ms[c] - ns[c] - hs[c]), 2) << x << "," << y << " channel " << c;
        between += ms[c] != ns[c] && ms[c] != hs[c];
      }
    }
  EXPECT_GT(between, 0);
  // A running fade on a record without morphing shows the plain state.
  TbsDataSkinButtonControl still("still");
  still.pictureindex = record->pictureindex;
  still.skinrect = record->skinrect;
  still.activeskinrect = record->activeskinrect;
  Bitmap a, b;
  PaintButtonSkinLook(a, ProductSkin(), still, {.MorphFactor = 0.5}, {}, 30, 20);
  PaintButtonSkinLook(b, ProductSkin(), still, {}, {}, 30, 20);
  EXPECT_TRUE(a.SameAs(b));
}
