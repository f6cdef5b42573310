// The skinned list box as a control of its own on a form: rows drawn by
// state from the record, the skinned bar mirroring the inner list's scroll
// range, and the wheel and the keys moving both.

#include "SkinFormTest.h"
#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinListBox.h"
#include "skin/controls/SkinScrollBar.h"

namespace controltest {
namespace {

class SkinListBoxes : public SkinFormTest {
 protected:
  TbsSkinListBox* MakeList(int count, bool skinned = true) {
    auto* list = new TbsSkinListBox(form);
    list->SetParent(form);
    list->SetBounds(20, 20, 160, 4 + 5 * 18);
    if (skinned)
      list->SetSkinData(skin);
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i)
      items.push_back("Puzzle " + std::to_string(i));
    list->SetItems(items);
    return list;
  }
  const TbsDataSkinListBox* Record() const {
    const int i = skin->IndexOfControlRecord("listbox");
    return i < 0 ? nullptr : dynamic_cast<const TbsDataSkinListBox*>(skin->ControlRecords[i].get());
  }
  // The row as the look draws it on its own, for comparison with the screen.
  gfx::Bitmap ExpectedRow(TbsSkinListBox* list, int index, const TbsListRowState& state) {
    std::vector<std::string> texts;
    for (int i = 0; i < list->Items().Count(); ++i)
      texts.push_back(list->Items()[i]);
    const int width = list->ListBox()->ClientWidth();
    gfx::Bitmap row(width, list->ItemHeight());
    gfx::DeviceContext dc(row);
    PaintListRow(dc, 0, 0, width, row.Height(), skin, Record(), state, {&texts, nullptr, -1},
                 index);
    return row;
  }
  gfx::Bitmap ShotRow(TbsSkinListBox* list, int row) {
    const gfx::Bitmap shot = ShotOf(list->ListBox());
    const int h = list->ItemHeight();
    gfx::Bitmap out(shot.Width(), h);
    gfx::DeviceContext dc(out);
    dc.BitBlt(0, 0, out.Width(), h, shot, 0, row * h);
    return out;
  }
  static bool Same(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
      return false;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.GetPixel(x, y) != b.GetPixel(x, y))
          return false;
    return true;
  }
};

TEST_F(SkinListBoxes, RowsAreDrawnFromTheRecordByState) {
  ASSERT_NE(Record(), nullptr);
  TbsSkinListBox* list = MakeList(3);
  EXPECT_EQ(list->ItemHeight(), 18);
  EXPECT_EQ(list->ScrollBar(), nullptr);
  list->SetItemIndex(1);
  TbsListRowState plain;
  TbsListRowState active;
  active.Selected = true;
  TbsListRowState focused = active;
  focused.Focused = true;
  EXPECT_TRUE(Same(ShotRow(list, 0), ExpectedRow(list, 0, plain)));
  EXPECT_TRUE(Same(ShotRow(list, 1), ExpectedRow(list, 1, active)));
  // The chosen row looks different once the list has the focus.
  list->ListBox()->SetFocus();
  EXPECT_TRUE(Same(ShotRow(list, 1), ExpectedRow(list, 1, focused)));
  EXPECT_FALSE(Same(ExpectedRow(list, 1, focused), ExpectedRow(list, 1, active)));
}

TEST_F(SkinListBoxes, PlainRowsWriteInTheListFontsColour) {
  TbsSkinListBox* list = MakeList(2, false);
  list->SetItemIndex(0);
  list->DefaultFont().SetColor(gfx::RGB(200, 0, 0));
  auto has = [](const gfx::Bitmap& b, gfx::ColorRef c) {
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (b.GetPixel(x, y) == c)
          return true;
    return false;
  };
  app->ProcessMessages();
  EXPECT_TRUE(has(ShotRow(list, 1), gfx::RGB(200, 0, 0)));
  // The chosen row keeps the highlight colours.
  EXPECT_FALSE(has(ShotRow(list, 0), gfx::RGB(200, 0, 0)));
}

TEST_F(SkinListBoxes, PlainLookAndOwnDrawing) {
  TbsSkinListBox* list = MakeList(3, false);
  EXPECT_EQ(list->ItemHeight(), 20);
  list->SetItemIndex(0);
  std::vector<int> drawn;
  list->OnDrawItem = [&](TCanvas& c, int index, TRect rect, TOwnerDrawState state) {
    drawn.push_back(index);
    c.Brush().SetColor(state.Contains(odSelected) ? gfx::clRed : gfx::clLime);
    c.FillRect(rect);
  };
  list->ListBox()->Invalidate();
  const gfx::Bitmap shot = ShotOf(list->ListBox());
  EXPECT_THAT(drawn, ::testing::ElementsAre(0, 1, 2));
  // The plain row keeps its highlight round the program's drawing, which
  // fills the text rectangle (inset 2 pixels).
  EXPECT_EQ(shot.GetPixel(0, 5), gfx::clHighlight);
  EXPECT_EQ(shot.GetPixel(10, 5), gfx::clRed);
  EXPECT_EQ(shot.GetPixel(10, 25), gfx::clLime);
}

TEST_F(SkinListBoxes, TheBarMirrorsTheScrollRangeAndMovesTheRows) {
  TbsSkinListBox* list = MakeList(20);
  TbsSkinScrollBar* bar = list->ScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->PageSize(), 5);
  EXPECT_EQ(bar->Max(), 19);
  EXPECT_EQ(bar->Width(), 16);
  // The rows make room for the bar at the right of the frame.
  EXPECT_EQ(list->RowsRect().right, bar->Left());
  // The wheel scrolls the rows by three, the bar follows.
  const TPoint mid = At(list->ListBox(), 20, 20);
  script.MoveTo(mid.x, mid.y).Then([&] { list->ListBox()->SetFocus(); }).Wheel(-120);
  Run();
  EXPECT_EQ(list->TopIndex(), 3);
  EXPECT_EQ(bar->Position(), 3);
  // Keys move the choice and scroll it into view.
  script.Key(win::VK_END);
  Run();
  EXPECT_EQ(list->ItemIndex(), 19);
  EXPECT_EQ(bar->Position(), 15);
  // Moving the bar moves the rows.
  bar->SetPosition(7);
  EXPECT_EQ(list->TopIndex(), 7);
  // With few enough items, the bar goes.
  list->SetItems({"One", "Two"});
  EXPECT_EQ(list->ScrollBar(), nullptr);
  EXPECT_EQ(list->RowsRect().right,
            list->Width() - (Record()->skinrect.Width() - Record()->clientrect.right));
}

TEST_F(SkinListBoxes, AHorizontalBarAppearsForItemsWiderThanTheRows) {
  TbsSkinListBox* list = MakeList(3);
  list->SetHorizontalExtent(true);
  EXPECT_EQ(list->HScrollBar(), nullptr);
  const int rowsHeight = list->RowsRect().Height();
  list->SetItems({"Short", std::string(60, 'W'), "Third"});
  TbsSkinScrollBar* hbar = list->HScrollBar();
  ASSERT_NE(hbar, nullptr);
  // The bar takes its height from the bottom of the rows and spans them.
  EXPECT_EQ(list->RowsRect().Height(), rowsHeight - hbar->Height());
  EXPECT_EQ(hbar->Top(), list->RowsRect().bottom);
  EXPECT_EQ(hbar->Width(), list->RowsRect().Width());
  EXPECT_EQ(hbar->PageSize(), list->ListBox()->ClientWidth());
  EXPECT_GT(hbar->Max(), list->RowsRect().Width());
  EXPECT_EQ(hbar->SmallChange(), hbar->LargeChange());
  EXPECT_GT(hbar->SmallChange(), 0);
  // Moving the bar slides the rows sideways.
  hbar->SetPosition(30);
  EXPECT_EQ(list->ListBox()->ScrollPos(SB_HORZ), 30);
  EXPECT_EQ(list->ListBox()->ItemRect(0).left, -30);
  // With both bars the horizontal one runs under the vertical one too.
  std::vector<std::string> many(12, "Item");
  many.push_back(std::string(60, 'W'));
  list->SetItems(many);
  ASSERT_NE(list->ScrollBar(), nullptr);
  ASSERT_NE(list->HScrollBar(), nullptr);
  EXPECT_TRUE(hbar->Both());
  EXPECT_EQ(list->ScrollBar()->Top() + list->ScrollBar()->Height(), hbar->Top());
  EXPECT_EQ(hbar->Left() + hbar->Width(), list->ScrollBar()->Left() + list->ScrollBar()->Width());
  EXPECT_EQ(hbar->BothMarkerWidth(), list->ScrollBar()->Width());
  list->SetItems({"Short", std::string(60, 'W'), "Third"});
  // Without the setting, long items are simply cut.
  list->SetHorizontalExtent(false);
  EXPECT_EQ(list->HScrollBar(), nullptr);
  EXPECT_EQ(list->RowsRect().Height(), rowsHeight);
}

}  // namespace
}  // namespace controltest
