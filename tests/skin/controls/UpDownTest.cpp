#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "skin/controls/UpDownBehaviour.h"
#include "skin/controls/UpDownLook.h"
#include "support/GfxPrinters.h"

using controltest::ManualTimer;
using controltest::ProductRecord;
using controltest::ProductSkin;
using gfx::Rect;

namespace {

// A vertical 18 x 36 up-down without a skin, counting its events.
struct UpDownRig {
  ManualTimer timer;
  TbsUpDownBehaviour ud{timer};
  int changes = 0, ups = 0, downs = 0;

  UpDownRig() {
    LayoutUpDownButtons(ud.Buttons(), nullptr, udVertical, 18, 36);
    timer.OnTick = [this] { ud.TimerTick(); };
    ud.OnChange = [this] { ++changes; };
    ud.OnUpButtonClick = [this] { ++ups; };
    ud.OnDownButtonClick = [this] { ++downs; };
  }
  static constexpr gfx::Point kUp{9, 5};
  static constexpr gfx::Point kDown{9, 30};
};

}  // namespace

TEST(UpDown, PlainButtonsAreTheTwoHalves) {
  TbsUpDownButtons b;
  LayoutUpDownButtons(b, nullptr, udVertical, 18, 37);
  EXPECT_EQ(b.Up.Rect, (Rect{0, 0, 18, 18}));
  EXPECT_EQ(b.Down.Rect, (Rect{0, 18, 18, 37}));
  LayoutUpDownButtons(b, nullptr, udHorizontal, 51, 25);
  EXPECT_EQ(b.Down.Rect, (Rect{0, 0, 25, 25}));
  EXPECT_EQ(b.Up.Rect, (Rect{25, 0, 51, 25}));
  LayoutUpDownButtons(b, ProductRecord<TbsDataSkinUpDownControl>("vupdown"), udHorizontal, 5, 5);
  EXPECT_EQ(b.Down.Rect, (Rect{0, 18, 18, 36}));
}

TEST(UpDown, HoldingTheUpButtonRepeatsAfterTheFirstDelay) {
  UpDownRig r;
  r.ud.MouseDown(UpDownRig::kUp);
  r.timer.Advance(1050);
  // Repeats at 600, 700, 800, 900 and 1000 ms; the click comes on release.
  EXPECT_EQ(r.ud.Position(), 5);
  EXPECT_EQ(r.ups, 0);
  r.ud.MouseUp(UpDownRig::kUp);
  EXPECT_EQ(r.ud.Position(), 6);
  EXPECT_EQ(r.changes, 6);
  EXPECT_EQ(r.ups, 1);
  EXPECT_FALSE(r.timer.Running());
  r.timer.Advance(1000);
  EXPECT_EQ(r.ud.Position(), 6);
}

TEST(UpDown, BoundsAndZeroIncrement) {
  UpDownRig r;
  r.ud.SetPosition(100);
  r.changes = 0;
  r.ud.MouseDown(UpDownRig::kUp);
  r.ud.MouseUp(UpDownRig::kUp);
  EXPECT_EQ(r.ud.Position(), 100);
  EXPECT_EQ(r.changes, 0);
  EXPECT_EQ(r.ups, 1);
  // Setting the same value again still reports a change.
  r.ud.SetPosition(100);
  EXPECT_EQ(r.changes, 1);
  r.ud.SetPosition(101);
  EXPECT_EQ(r.changes, 1);

  r.ud.SetIncrement(0);
  r.ud.MouseDown(UpDownRig::kDown);
  EXPECT_FALSE(r.timer.Running());
  r.timer.Advance(2000);
  r.ud.MouseUp(UpDownRig::kDown);
  EXPECT_EQ(r.ud.Position(), 100);
  EXPECT_EQ(r.downs, 1);
  EXPECT_EQ(r.changes, 1);
}

TEST(UpDown, MinRaisesThePositionSilently) {
  UpDownRig r;
  r.ud.SetPosition(5);
  r.changes = 0;
  r.ud.SetMin(10);
  EXPECT_EQ(r.ud.Position(), 10);
  r.ud.SetMax(7);
  EXPECT_EQ(r.ud.Position(), 7);
  EXPECT_EQ(r.changes, 0);
}

TEST(UpDown, SlidingOffTheHeldButtonPausesAndCancels) {
  UpDownRig r;
  r.ud.MouseDown(UpDownRig::kUp);
  r.timer.Advance(550);  // the first delay has passed, one step done
  EXPECT_EQ(r.ud.Position(), 0);
  r.ud.MouseMove(UpDownRig::kDown);
  EXPECT_EQ(r.ud.HotButton(), -1);
  EXPECT_FALSE(r.ud.Buttons().Down.MouseOver);
  EXPECT_FALSE(r.ud.Buttons().Up.MouseOver);
  r.timer.Advance(1000);
  EXPECT_EQ(r.ud.Position(), 0);
  // Back on the held button the repeat resumes at 50 ms.
  r.ud.MouseMove(UpDownRig::kUp);
  r.timer.Advance(50);
  EXPECT_EQ(r.ud.Position(), 1);
  r.ud.MouseMove(UpDownRig::kDown);
  r.ud.MouseUp(UpDownRig::kDown);
  EXPECT_EQ(r.ud.Position(), 1);
  EXPECT_EQ(r.ups + r.downs, 0);
  EXPECT_FALSE(r.ud.Buttons().Up.Down);
}

TEST(UpDown, SkinLookShowsThePressedButton) {
  const auto* record = ProductRecord<TbsDataSkinUpDownControl>("vupdown");
  ASSERT_NE(record, nullptr);
  const gfx::Bitmap* picture = ProductSkin().ActivePicture(record->pictureindex);
  TbsUpDownButtons b;
  LayoutUpDownButtons(b, record, udVertical, 18, 36);
  gfx::Bitmap normal, pressed;
  PaintUpDownSkinLook(normal, ProductSkin(), *record, b);
  ASSERT_EQ(normal.GetSize(), (gfx::Size{18, 36}));
  EXPECT_EQ(normal.GetPixel(9, 9), picture->GetPixel(165 + 9, 162 + 9));
  b.Up.MouseOver = b.Up.Down = true;
  PaintUpDownSkinLook(pressed, ProductSkin(), *record, b);
  EXPECT_EQ(pressed.GetPixel(9, 9), picture->GetPixel(205 + 9, 162 + 9));
  EXPECT_EQ(pressed.GetPixel(9, 27), normal.GetPixel(9, 27));
}

TEST(UpDown, PlainLookArrows) {
  gfx::Bitmap bmp(18, 36);
  gfx::DeviceContext dc(bmp);
  TbsUpDownButtons b;
  LayoutUpDownButtons(b, nullptr, udVertical, 18, 36);
  b.Down.MouseOver = true;
  PaintUpDownPlainLook(dc, udVertical, b);
  // Up arrow: tip at the top, centred at x = 9.
  EXPECT_EQ(bmp.GetPixel(9, 7), gfx::clBlack);
  EXPECT_EQ(bmp.GetPixel(8, 7), gfx::clBtnFace);
  EXPECT_EQ(bmp.GetPixel(6, 10), gfx::clBlack);
  EXPECT_EQ(bmp.GetPixel(12, 10), gfx::clBlack);
  // Down arrow: widest row on top, in the hot colours.
  EXPECT_EQ(bmp.GetPixel(0, 18), gfx::clNavy);
  EXPECT_EQ(bmp.GetPixel(6, 25), gfx::clBlack);
  EXPECT_EQ(bmp.GetPixel(9, 28), gfx::clBlack);
  EXPECT_EQ(bmp.GetPixel(8, 28), gfx::RGB(182, 189, 210));
}
