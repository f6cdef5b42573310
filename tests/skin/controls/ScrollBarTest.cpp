#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "skin/controls/ScrollBarBehaviour.h"
#include "support/GfxPrinters.h"

using controltest::ManualTimer;
using controltest::ProductRecord;
using controltest::ProductSkin;
using gfx::Rect;

namespace {

// A vertical bar, plain unless given a record, counting its events.
struct BarRig {
  ManualTimer timer;
  TbsScrollBarBehaviour bar{timer};
  int changes = 0, lastChanges = 0, pageDowns = 0;

  explicit BarRig(int width = 19, int height = 200,
                  const TbsDataSkinScrollBarControl* record = nullptr) {
    bar.SetKind(sbVertical);
    bar.SetRecord(record);
    bar.SetSize(width, height);
    timer.OnTick = [this] { bar.TimerTick(); };
    bar.OnChange = [this] { ++changes; };
    bar.OnLastChange = [this] { ++lastChanges; };
    bar.OnPageDown = [this] { ++pageDowns; };
  }
};

}  // namespace

TEST(ScrollBar, ListBarThumbCoversItsPageButNotLessThanTheSkinThumb) {
  const auto* record = ProductRecord<TbsDataSkinScrollBarControl>("vscrollbar");
  ASSERT_NE(record, nullptr);
  // Eight rows of 18 pixels beside twelve items.
  BarRig r(16, 144, record);
  r.bar.SetRange(0, 11, 8, 0);
  EXPECT_EQ(r.bar.Layout().Track, (Rect{0, 16, 16, 128}));
  EXPECT_EQ(r.bar.Layout().ThumbLength, 75);  // 112 * 8 / 12, rounded
  EXPECT_EQ(r.bar.Layout().Thumb.Rect, (Rect{2, 16, 14, 91}));
  EXPECT_EQ(r.bar.Layout().UpButton.Rect, (Rect{0, 128, 16, 144}));
  r.bar.SetRange(0, 99, 8, 92);
  EXPECT_EQ(r.bar.Layout().ThumbLength, 20);
  EXPECT_EQ(r.bar.Layout().Thumb.Rect.bottom, 128);
}

TEST(ScrollBar, HoldingAButtonStepsAtOnceThenEvery50msFrom550) {
  BarRig r;
  r.bar.SetPosition(50);
  r.changes = 0;
  r.bar.MouseDown({9, 5});  // the down button, at the top
  EXPECT_EQ(r.bar.Range().Position, 49);
  r.timer.Advance(549);
  EXPECT_EQ(r.bar.Range().Position, 49);
  r.timer.Advance(451);
  EXPECT_EQ(r.bar.Range().Position, 39);
  EXPECT_EQ(r.changes, 11);
  r.bar.MouseUp({9, 5});
  r.timer.Advance(500);
  EXPECT_EQ(r.bar.Range().Position, 39);
}

TEST(ScrollBar, PageRepeatStopsWhenTheThumbReachesTheMouse) {
  BarRig r;
  r.bar.LargeChange = 10;
  r.bar.MouseDown({9, 150});
  EXPECT_EQ(r.bar.Range().Position, 10);
  r.timer.Advance(3000);
  // The thumb (16 long on a 166-pixel track) covers y = 150 at position 80.
  EXPECT_EQ(r.bar.Range().Position, 80);
  EXPECT_EQ(r.pageDowns, 8);
  EXPECT_FALSE(r.timer.Running());
  r.bar.MouseUp({9, 150});
}

TEST(ScrollBar, DraggingPastTheEndGivesTheLastPage) {
  BarRig r;
  r.bar.SetRange(0, 11, 8, 0);
  const Rect thumb = r.bar.Layout().Thumb.Rect;
  r.bar.MouseDown({9, thumb.top + 2});
  EXPECT_TRUE(r.bar.Dragging());
  r.bar.MouseMove({9, 1000});
  EXPECT_EQ(r.bar.Range().Position, 4);
  r.bar.MouseMove({9, -1000});
  EXPECT_EQ(r.bar.Range().Position, 0);
  EXPECT_EQ(r.lastChanges, 0);
  r.bar.MouseUp({30, -1000});
  EXPECT_EQ(r.lastChanges, 1);
  EXPECT_FALSE(r.bar.Dragging());
  EXPECT_FALSE(r.bar.Layout().Thumb.MouseOver);
}

TEST(ScrollBar, PositionSettersClampAndStayQuiet) {
  BarRig r;
  r.bar.SetPosition(150);
  EXPECT_EQ(r.bar.Range().Position, 100);
  r.bar.SetPosition(100);
  EXPECT_EQ(r.changes, 1);
  r.bar.SetMax(60);
  EXPECT_EQ(r.bar.Range().Position, 60);
  r.bar.SetMin(70);
  EXPECT_EQ(r.bar.Range().Position, 70);
  r.bar.SetRange(0, 20, 5, 30);
  EXPECT_EQ(r.bar.Range().Position, 16);
  // A page that no longer fits beside the position is refused.
  r.bar.SetPageSize(6);
  EXPECT_EQ(r.bar.Range().PageSize, 5);
  EXPECT_EQ(r.changes, 1);
}

TEST(ScrollBar, SkinLookTilesTheThumbToItsLength) {
  const auto* record = ProductRecord<TbsDataSkinScrollBarControl>("vscrollbar");
  const gfx::Bitmap& picture = *ProductSkin().ActivePicture(record->pictureindex);
  BarRig r(16, 144, record);
  r.bar.SetRange(0, 11, 8, 0);
  gfx::Bitmap out;
  PaintScrollBarSkinLook(out, ProductSkin(), *record, r.bar.Range(), r.bar.Layout(), {}, 16, 144);
  ASSERT_EQ(out.GetSize(), (gfx::Size{16, 144}));
  EXPECT_EQ(out.GetPixel(8, 16), picture.GetPixel(96, 82));
  EXPECT_EQ(out.GetPixel(8, 90), picture.GetPixel(96, 101));
  EXPECT_EQ(out.GetPixel(3, 40), picture.GetPixel(91, 94));
  // Disabled: no thumb, the track shows through.
  gfx::Bitmap off;
  PaintScrollBarSkinLook(off, ProductSkin(), *record, r.bar.Range(), r.bar.Layout(),
                         {.Enabled = false}, 16, 144);
  EXPECT_NE(off.GetPixel(8, 16), out.GetPixel(8, 16));
}
