#include "skin/controls/ComboBoxLook.h"

#include "skin/data/SkinData.h"
#include "skin/data/SkinGeometry.h"

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Rect;

void DrawItemImageAndText(DeviceContext& dc, Rect rect, const TbsItemContent& content, int index) {
  if (content.Items == nullptr || index < 0 || index >= static_cast<int>(content.Items->size()))
    return;
  if (content.Images != nullptr) {
    const int image = content.ImageIndex >= 0 ? content.ImageIndex : index;
    const gfx::Size size = content.Images->ImageSize();
    if (image < content.Images->Count())
      content.Images->Draw(dc, image, rect.left, rect.top + (rect.Height() - size.cy) / 2);
    rect.left += size.cx + 2;
  }
  Rect text{rect.left + 2, rect.top, rect.right, rect.bottom};
  dc.SetBkMode(gfx::TRANSPARENT);
  dc.DrawText((*content.Items)[static_cast<size_t>(index)], text,
              gfx::DT_LEFT | gfx::DT_VCENTER | gfx::DT_SINGLELINE | gfx::DT_NOPREFIX);
}

TbsComboBoxAreas ComboBoxAreas(const TbsDataSkinComboBox* record, int W, int H) {
  TbsComboBoxAreas a;
  if (record == nullptr) {
    a.Button = {W - 19, 2, W - 2, H - 2};
    a.Item = {2, 2, a.Button.left - 1, H - 2};
    return a;
  }
  const int dW = W - record->skinrect.Width();
  a.Button = record->buttonrect;
  // Only a button in the fixed right part moves with the width.
  if (a.Button.left >= record->skinrect.Width() - record->righttoppoint.x)
    a.Button = a.Button.Offset(dW, 0);
  a.Item = record->clientrect;
  a.Item.right += dW;
  return a;
}

namespace {

// The shown item, by the program's drawing or the built-in one; an index
// outside the items draws nothing either way.
void DrawShownItem(DeviceContext& dc, const Rect& text, const TbsItemContent& content, int index,
                   const TbsItemDrawer& drawItem) {
  if (content.Items == nullptr || index < 0 || index >= static_cast<int>(content.Items->size()))
    return;
  if (drawItem)
    drawItem(dc, text, index);
  else
    DrawItemImageAndText(dc, text, content, index);
}

}  // namespace

void DrawFocusRect(DeviceContext& dc, const Rect& r) {
  if (r.IsEmpty())
    return;
  for (int x = r.left; x < r.right; x += 2) {
    dc.InvertRect({x, r.top, x + 1, r.top + 1});
    if (r.bottom - 1 > r.top)
      dc.InvertRect({x, r.bottom - 1, x + 1, r.bottom});
  }
  for (int y = r.top + 2; y < r.bottom - 1; y += 2) {
    dc.InvertRect({r.left, y, r.left + 1, y + 1});
    if (r.right - 1 > r.left)
      dc.InvertRect({r.right - 1, y, r.right, y + 1});
  }
}

void PaintComboBoxSkinLook(Bitmap& bitmap, const TbsSkinData& skin, const TbsDataSkinComboBox& r,
                           const TbsComboBoxLookState& state, const TbsItemContent& content,
                           int width, int height, const TbsItemDrawer& drawItem) {
  const Bitmap* picture = skin.ActivePicture(r.pictureindex);
  ComposeSkinPicture(bitmap, picture, r.skinrect, TbsSkinGeometry::FromRecord(r), width, height);
  if (bitmap.IsEmpty())
    return;
  const TbsComboBoxAreas areas = ComboBoxAreas(&r, bitmap.Width(), bitmap.Height());
  DeviceContext dc(bitmap);
  Rect overlay;
  if (!state.Enabled && !r.unenabledbuttonrect.IsEmpty())
    overlay = r.unenabledbuttonrect;
  else if (state.Pressed && state.ButtonHot)
    overlay = r.downbuttonrect;
  else if (state.ButtonHot)
    overlay = r.activebuttonrect;
  if (picture != nullptr && !overlay.IsEmpty())
    dc.BitBlt(areas.Button.left, areas.Button.top, overlay.Width(), overlay.Height(), *picture,
              overlay.left, overlay.top);

  // The item area is composed on its own so that long texts stay inside.
  const int itemWidth = areas.Item.Width();
  if (itemWidth <= 0)
    return;
  const Rect focusItem = r.focusitemrect.IsEmpty() ? r.itemrect : r.focusitemrect;
  const Rect look = state.Focused ? focusItem : r.itemrect;
  Bitmap item;
  if (picture != nullptr && !look.IsEmpty()) {
    ComposeHorizontalStrip(item, *picture, look, r.itemleftoffset, r.itemrightoffset, itemWidth);
  } else {
    const int h = !r.itemrect.IsEmpty()  ? r.itemrect.Height()
                  : !focusItem.IsEmpty() ? focusItem.Height()
                                         : areas.Item.Height();
    item = Bitmap(itemWidth, std::max(h, 0));
    DeviceContext idc(item);
    idc.BitBlt(0, 0, itemWidth, h, bitmap, areas.Item.left, areas.Item.top);
  }
  if (item.IsEmpty())
    return;
  Rect text = r.itemtextrect;
  text.right += itemWidth - (r.itemrect.IsEmpty() ? r.clientrect.Width() : r.itemrect.Width());
  {
    DeviceContext idc(item);
    idc.SelectFont(state.UseSkinFont ? MakeSkinFont(r.fontname, r.fontheight, r.fontstyle)
                                     : state.DefaultFont);
    idc.SetTextColor(state.Focused ? r.focusfontcolor : r.fontcolor);
    DrawShownItem(idc, text, content, state.ShownIndex, drawItem);
  }
  dc.DrawBitmap(areas.Item.left, areas.Item.top, item);
}

void PaintComboBoxPlainLook(DeviceContext& dc, const TbsComboBoxLookState& state,
                            const TbsItemContent& content, int width, int height,
                            const TbsItemDrawer& drawItem) {
  const TbsComboBoxAreas areas = ComboBoxAreas(nullptr, width, height);
  dc.FillRect({0, 0, width, height}, gfx::clBtnFace);
  dc.FrameRect({0, 0, width, height}, gfx::clBtnShadow);
  PaintPlainStateBox(dc, areas.Button,
                     state.Pressed && state.ButtonHot ? TbsPlainState::Pressed
                     : state.ButtonHot                ? TbsPlainState::Hot
                                                      : TbsPlainState::Normal);
  // The arrow's widest row sits one pixel above the button's centre.
  DrawPlainArrow(dc, areas.Button.Offset(0, 1), TbsArrowDirection::Down,
                 state.Enabled ? gfx::clBlack : gfx::clBtnShadow);
  if (areas.Item.IsEmpty())
    return;
  Bitmap item(areas.Item.Width(), areas.Item.Height(),
              state.Focused ? gfx::clHighlight : gfx::clWindow);
  {
    DeviceContext idc(item);
    idc.SelectFont(state.Font);
    idc.SetTextColor(state.Focused ? gfx::clHighlightText : gfx::clWindowText);
    DrawShownItem(idc, {2, 0, item.Width() - 2, item.Height()}, content, state.ShownIndex,
                  drawItem);
    if (state.Focused)
      DrawFocusRect(idc, item.Bounds());
  }
  dc.DrawBitmap(areas.Item.left, areas.Item.top, item);
}

int ListItemHeight(const TbsDataSkinListBox* record, bool useSkinItemHeight,
                   int defaultItemHeight) {
  if (record != nullptr && useSkinItemHeight && !record->itemrect.IsEmpty())
    return record->itemrect.Height();
  return defaultItemHeight;
}

int ListHeightForRows(const TbsDataSkinListBox* record, int rows, int itemHeight) {
  if (record != nullptr)
    return record->skinrect.Height() - record->clientrect.Height() + rows * itemHeight;
  return rows * itemHeight + 4;
}

TbsListAreas ListAreas(const TbsDataSkinListBox* record, int barWidth, bool withBar, int W, int H) {
  TbsListAreas a;
  if (record != nullptr) {
    Rect client = record->clientrect;
    client.right += W - record->skinrect.Width();
    client.bottom += H - record->skinrect.Height();
    a.Rows = client;
    if (withBar) {
      a.VScrollBar = {client.right - barWidth, client.top, client.right, client.bottom};
      a.Rows.right = a.VScrollBar.left;
    }
    return a;
  }
  if (withBar)
    a.VScrollBar = {W - 20, 1, W - 1, H - 2};
  a.Rows = {2, 2, withBar ? a.VScrollBar.left : W - 2, H - 2};
  return a;
}

void PaintListFrame(Bitmap& bitmap, const TbsSkinData* skin, const TbsDataSkinListBox* record,
                    int width, int height) {
  if (skin != nullptr && record != nullptr) {
    ComposeSkinPicture(bitmap, skin->ActivePicture(record->pictureindex), record->skinrect,
                       TbsSkinGeometry::FromRecord(*record), width, height);
    return;
  }
  bitmap = Bitmap(width, height, gfx::clBtnFace);
  DeviceContext dc(bitmap);
  dc.FrameRect(bitmap.Bounds(), gfx::clBtnShadow);
}

void PaintListRow(DeviceContext& dc, int x, int y, int width, int itemHeight,
                  const TbsSkinData* skin, const TbsDataSkinListBox* record,
                  const TbsListRowState& state, const TbsItemContent& content, int index,
                  const TbsItemDrawer& drawItem) {
  if (width <= 0 || itemHeight <= 0)
    return;
  const Bitmap* picture =
      skin != nullptr && record != nullptr ? skin->ActivePicture(record->pictureindex) : nullptr;
  if (picture == nullptr || record->itemrect.IsEmpty()) {
    const Rect row = Rect::FromXYWH(x, y, width, itemHeight);
    dc.FillRect(row, state.Selected ? gfx::clHighlight : gfx::clWindow);
    dc.SelectFont(state.DefaultFont);
    dc.SetTextColor(state.Selected ? gfx::clHighlightText : state.DefaultFontColor);
    const Rect text{row.left + 2, row.top, row.right - 2, row.bottom};
    if (drawItem)
      drawItem(dc, text, index);
    else
      DrawItemImageAndText(dc, text, content, index);
    if (state.FocusItem)
      DrawFocusRect(dc, row);
    return;
  }
  Rect look = record->itemrect;
  gfx::ColorRef color = record->fontcolor;
  if (state.Selected && !state.Focused) {
    look = record->activeitemrect.IsEmpty() ? record->itemrect : record->activeitemrect;
    color = record->activefontcolor;
  } else if (state.Selected) {
    look = record->focusitemrect.IsEmpty() ? record->itemrect : record->focusitemrect;
    color = record->focusfontcolor;
  }
  Bitmap row;
  ComposeHorizontalStrip(row, *picture, look, record->itemleftoffset, record->itemrightoffset,
                         width);
  {
    DeviceContext rdc(row);
    if (!state.Selected && state.FocusItem)
      DrawFocusRect(rdc, row.Bounds());
    rdc.SelectFont(state.UseSkinFont
                       ? MakeSkinFont(record->fontname, record->fontheight, record->fontstyle)
                       : state.DefaultFont);
    rdc.SetTextColor(color);
    Rect text = record->itemtextrect;
    text.right += width - record->itemrect.Width();
    if (drawItem)
      drawItem(rdc, text, index);
    else
      DrawItemImageAndText(rdc, text, content, index);
  }
  dc.DrawBitmap(x, y, row);
}
