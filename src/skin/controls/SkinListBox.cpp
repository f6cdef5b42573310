#include "skin/controls/SkinListBox.h"

#include "skin/controls/ComboBoxBehaviour.h"

#include <algorithm>

#include "platform/win/Constants.h"
#include "skin/controls/SkinScrollBar.h"

void TbsImageListImages::Draw(gfx::DeviceContext& dc, int index, int x, int y) const {
  TCanvas canvas;
  canvas.SetHandle(&dc);
  FList.Draw(canvas, x, y, index);
  canvas.SetHandle(nullptr);
}

// The inner list: borderless, drawn by its owner row by row, and showing
// no scroll bars of its own. Its messages pass the owner first, so that a
// popup list can keep the mouse to itself.
class TbsSkinListBox::TInnerList : public TListBox {
 public:
  explicit TInnerList(TbsSkinListBox* AOwner) : TListBox(AOwner), FList(AOwner) {
    SetBorderStyle(bsNone);
    SetStyle(lbOwnerDrawFixed);
  }

 protected:
  void WndProc(TMessage& Message) override {
    if (!FList->InnerListMessage(Message))
      TListBox::WndProc(Message);
  }
  void Paint() override {
    FList->FTexts.clear();
    FList->FTexts.reserve(static_cast<size_t>(Items().Count()));
    for (int i = 0; i < Items().Count(); ++i)
      FList->FTexts.push_back(Items()[i]);
    TListBox::Paint();
  }
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override {
    FList->DrawListItem(Canvas(), Index, Rect, State);
  }

 private:
  TbsSkinListBox* FList;
};

TbsSkinListBox::TbsSkinListBox(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner),
      FListBox(new TInnerList(this)),
      FVScrollBar(new TbsSkinScrollBar(this)),
      FHScrollBar(new TbsSkinScrollBar(this)) {
  SetSkinDataName("listbox");
  FListBox->SetParent(this);
  FVScrollBar->SetKind(sbVertical);
  FVScrollBar->SetVisible(false);
  FVScrollBar->SetParent(this);
  FHScrollBar->SetKind(sbHorizontal);
  FHScrollBar->SetVisible(false);
  FHScrollBar->SetParent(this);
  FHScrollBar->OnChange = [this](TObject*) {
    FListBox->SetScrollPos(SB_HORZ, FHScrollBar->Position());
  };
  FListBox->OnScroll = [this](TObject*) {
    UpdateScrollBar();
    if (OnScroll)
      OnScroll(this);
  };
  FListBox->OnClick = [this](TObject*) {
    if (OnListBoxClick)
      OnListBoxClick(this);
  };
  FVScrollBar->OnChange = [this](TObject*) { FListBox->SetTopIndex(FVScrollBar->Position()); };
  SetBounds(Left(), Top(), 121, 97);
  UpdateLayout();
}

TbsSkinListBox::~TbsSkinListBox() {
  // The children go with the component; nothing may call back into this
  // list while they do.
  FListBox->OnScroll = nullptr;
  FListBox->OnClick = nullptr;
  FVScrollBar->OnChange = nullptr;
  FHScrollBar->OnChange = nullptr;
  SetImages(nullptr);
}

TStrings& TbsSkinListBox::Items() {
  return FListBox->Items();
}

void TbsSkinListBox::SetItems(const std::vector<std::string>& Value) {
  TStrings& items = FListBox->Items();
  items.BeginUpdate();
  items.Clear();
  if (FSorted) {
    for (int i : SortedItemOrder(Value))
      items.Add(Value[static_cast<size_t>(i)]);
  } else {
    for (const std::string& s : Value)
      items.Add(s);
  }
  items.EndUpdate();
  UpdateLayout();
}

void TbsSkinListBox::SetSorted(bool Value) {
  if (Value == FSorted)
    return;
  FSorted = Value;
  if (!Value)
    return;
  TStrings& items = FListBox->Items();
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(items.Count()));
  for (int i = 0; i < items.Count(); ++i)
    texts.push_back(items[i]);
  const int chosen = ItemIndex();
  const std::vector<int> order = SortedItemOrder(texts);
  SetItems(texts);
  for (size_t k = 0; k < order.size(); ++k)
    if (order[k] == chosen)
      SetItemIndex(static_cast<int>(k));
}

int TbsSkinListBox::ItemIndex() const {
  return FListBox->ItemIndex();
}

void TbsSkinListBox::SetItemIndex(int Value) {
  FListBox->SetItemIndex(Value);
}

int TbsSkinListBox::TopIndex() const {
  return FListBox->TopIndex();
}

void TbsSkinListBox::SetTopIndex(int Value) {
  FListBox->SetTopIndex(Value);
}

void TbsSkinListBox::SetUseSkinItemHeight(bool Value) {
  FUseSkinItemHeight = Value;
  UpdateLayout();
}

void TbsSkinListBox::SetDefaultItemHeight(int Value) {
  if (Value > 0)
    FDefaultItemHeight = Value;
  UpdateLayout();
}

void TbsSkinListBox::SetImages(TImageList* Value) {
  if (FImages != nullptr)
    FImages->RemoveFreeNotification(this);
  FImages = Value;
  FItemImages.reset();
  if (FImages != nullptr) {
    FImages->FreeNotification(this);
    FItemImages = std::make_unique<TbsImageListImages>(*FImages);
  }
  FListBox->Invalidate();
}

void TbsSkinListBox::SetImageIndex(int Value) {
  FImageIndex = Value;
  FListBox->Invalidate();
}

void TbsSkinListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TbsSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FImages) {
    FImages = nullptr;
    FItemImages.reset();
  }
}

TListBox* TbsSkinListBox::ListBox() const {
  return FListBox;
}

TbsSkinScrollBar* TbsSkinListBox::ScrollBar() const {
  return FVScrollBar->Visible() ? FVScrollBar : nullptr;
}

TbsSkinScrollBar* TbsSkinListBox::HScrollBar() const {
  return FHScrollBar->Visible() ? FHScrollBar : nullptr;
}

void TbsSkinListBox::SetHorizontalExtent(bool Value) {
  FHorizontalExtent = Value;
  UpdateLayout();
}

gfx::Font TbsSkinListBox::RowFont() {
  const auto* record = ListRecord();
  if (record != nullptr && UseSkinFont())
    return MakeSkinFont(record->fontname, record->fontheight, record->fontstyle);
  return DefaultFont().Handle();
}

int TbsSkinListBox::WidestItem() {
  gfx::Bitmap scratch(1, 1);
  gfx::DeviceContext dc(scratch);
  dc.SelectFont(RowFont());
  int widest = 0;
  for (int i = 0; i < FListBox->Items().Count(); ++i)
    widest = std::max(widest, dc.GetTextExtent(FListBox->Items()[i]).cx);
  // The text stands 2 pixels in, after the image and its 2-pixel gap, and
  // gets as much room again on the right.
  int images = FItemImages != nullptr ? FItemImages->ImageSize().cx + 2 : 0;
  return widest + images + 4;
}

int TbsSkinListBox::ZeroWidth() {
  gfx::Bitmap scratch(1, 1);
  gfx::DeviceContext dc(scratch);
  dc.SelectFont(RowFont());
  return std::max(dc.GetTextExtent("0").cx, 1);
}

int TbsSkinListBox::HBarHeight(bool Both) {
  const auto* record = ListRecord();
  FHScrollBar->SetBothSkinDataName(record != nullptr ? record->bothhscrollbarname : "");
  if (!FHScrollBar->Both())
    FHScrollBar->SetSkinDataName(record != nullptr ? record->hscrollbarname : "");
  FHScrollBar->SetSkinData(FIndex != -1 ? FSD : nullptr);
  FHScrollBar->SetBoth(Both);
  FHScrollBar->ReadSkinRecord();
  if (FHScrollBar->SkinIndex() != -1 && FHScrollBar->Geometry().tileMode != TbsTileMode::None)
    return FHScrollBar->Geometry().skinrect.Height();
  return 19;
}

const TbsDataSkinListBox* TbsSkinListBox::ListRecord() const {
  return dynamic_cast<const TbsDataSkinListBox*>(Record());
}

int TbsSkinListBox::ItemHeight() {
  ReadSkinRecord();
  const auto* record = ListRecord();
  if (record == nullptr)
    return FDefaultItemHeight;
  if (FUseSkinItemHeight && !record->itemrect.IsEmpty())
    return record->itemrect.Height();
  // With a record but without its row height, the list keeps its own.
  return FListBox->ItemHeight();
}

int TbsSkinListBox::HeightForRows(int Rows) {
  int height = ListHeightForRows(ListRecord(), Rows, ItemHeight());
  if (FHorizontalExtent) {
    const TbsListAreas plain = ListAreas(ListRecord(), 0, false, Width(), Height());
    if (WidestItem() > plain.Rows.Width())
      height += HBarHeight(FListBox->Items().Count() > Rows);
  }
  return height;
}

TRect TbsSkinListBox::RowsRect() {
  return FListBox->BoundsRect();
}

int TbsSkinListBox::RowAt(TPoint P) {
  const TRect rows = RowsRect();
  if (!rows.Contains(P))
    return -1;
  return (P.y - rows.top) / std::max(FListBox->ItemHeight(), 1);
}

int TbsSkinListBox::BarWidth() {
  const auto* record = ListRecord();
  FVScrollBar->SetSkinDataName(record != nullptr ? record->vscrollbarname : "");
  FVScrollBar->SetSkinData(FIndex != -1 ? FSD : nullptr);
  FVScrollBar->ReadSkinRecord();
  // The bar is as wide as its skin, or 19 pixels in the plain look.
  if (FVScrollBar->SkinIndex() != -1 && FVScrollBar->Geometry().tileMode != TbsTileMode::None)
    return FVScrollBar->Geometry().skinrect.Width();
  return 19;
}

void TbsSkinListBox::UpdateLayout() {
  if (FLayingOut)
    return;
  FLayingOut = true;
  const int itemHeight = std::max(ItemHeight(), 1);
  FListBox->SetItemHeight(itemHeight);
  const auto* record = ListRecord();
  // The rows are as high with the bar as without it, so the rows that fit
  // decide whether the bar is needed.
  const TbsListAreas plain = ListAreas(record, 0, false, Width(), Height());
  const bool withHBar = FHorizontalExtent && WidestItem() > plain.Rows.Width();
  int hbarHeight = withHBar ? HBarHeight(false) : 0;
  const int rows = std::max((plain.Rows.Height() - hbarHeight) / itemHeight, 1);
  const bool withBar = FListBox->Items().Count() > rows;
  TbsListAreas areas = ListAreas(record, BarWidth(), withBar, Width(), Height());
  if (withHBar) {
    // The horizontal bar runs along the bottom, under the vertical one too
    // (with the corner marker) when both are shown.
    hbarHeight = HBarHeight(withBar);
    const int right = withBar ? areas.VScrollBar.right : areas.Rows.right;
    areas.Rows.bottom -= hbarHeight;
    if (withBar)
      areas.VScrollBar.bottom = areas.Rows.bottom;
    FHScrollBar->SetBothMarkerWidth(withBar ? areas.VScrollBar.Width() : 0);
    FHScrollBar->SetBounds(areas.Rows.left, areas.Rows.bottom, right - areas.Rows.left, hbarHeight);
  }
  FHScrollBar->SetVisible(withHBar);
  FListBox->SetHorizontalExtent(withHBar ? WidestItem() : 0);
  FListBox->SetBounds(areas.Rows.left, areas.Rows.top, std::max(areas.Rows.Width(), 0),
                      std::max(areas.Rows.Height(), 0));
  if (withBar)
    FVScrollBar->SetBounds(areas.VScrollBar.left, areas.VScrollBar.top, areas.VScrollBar.Width(),
                           areas.VScrollBar.Height());
  FVScrollBar->SetVisible(withBar);
  FLayingOut = false;
  UpdateScrollBar();
}

void TbsSkinListBox::UpdateScrollBar() {
  if (FLayingOut)
    return;
  const TScrollInfo info = FListBox->GetScrollInfo(SB_VERT);
  const bool needed = FListBox->Items().Count() > info.Page;
  if (needed != FVScrollBar->Visible()) {
    UpdateLayout();
    return;
  }
  if (needed) {
    FVScrollBar->SetRange(info.Min, info.Max, info.Page, info.Pos);
    FVScrollBar->SetLargeChange(info.Page);
  }
  if (FHScrollBar->Visible()) {
    const TScrollInfo h = FListBox->GetScrollInfo(SB_HORZ);
    FHScrollBar->SetRange(h.Min, h.Max, h.Page, h.Pos);
    FHScrollBar->SetSmallChange(ZeroWidth());
    FHScrollBar->SetLargeChange(ZeroWidth());
  }
}

void TbsSkinListBox::SetSkinData(TbsSkinData* Value) {
  TbsSkinCustomControl::SetSkinData(Value);
  UpdateLayout();
}

void TbsSkinListBox::ApplySkinChange() {
  TbsSkinCustomControl::ApplySkinChange();
  UpdateLayout();
  Invalidate();
  FListBox->Invalidate();
}

void TbsSkinListBox::Resize() {
  TbsSkinCustomControl::Resize();
  UpdateLayout();
}

void TbsSkinListBox::DrawListItem(TCanvas& C, int Index, TRect Rect, TOwnerDrawState State) {
  gfx::DeviceContext* dc = C.Handle();
  if (dc == nullptr)
    return;
  ReadSkinRecord();
  const auto* record = ListRecord();
  // Rows of another height than the record's are drawn plainly.
  const bool skinRows = record != nullptr && FUseSkinItemHeight;
  TbsListRowState state;
  state.Selected = State.Contains(odSelected);
  state.Focused = FListBox->Focused();
  state.FocusItem = State.Contains(odFocused);
  state.UseSkinFont = UseSkinFont();
  state.DefaultFont = DefaultFont().Handle();
  state.DefaultFontColor = DefaultFont().Color();
  const TbsItemContent content{&FTexts, FItemImages.get(), FImageIndex};
  TbsItemDrawer drawItem;
  if (OnDrawItem)
    drawItem = [this, State](gfx::DeviceContext& rowDC, const gfx::Rect& rect, int index) {
      TCanvas canvas;
      canvas.SetHandle(&rowDC);
      OnDrawItem(canvas, index, rect, State);
      canvas.SetHandle(nullptr);
    };
  PaintListRow(*dc, Rect.left, Rect.top, Rect.Width(), Rect.Height(), skinRows ? FSD : nullptr,
               skinRows ? record : nullptr, state, content, Index, drawItem);
}

void TbsSkinListBox::PaintPlainLook(gfx::Bitmap& B) {
  PaintListFrame(B, nullptr, nullptr, Width(), Height());
}

void TbsSkinListBox::PaintSkinLook(gfx::Bitmap& B) {
  PaintListFrame(B, FSD, ListRecord(), Width(), Height());
}

bool TbsSkinListBox::InnerListMessage(TMessage& /*Message*/) {
  return false;
}

void TbsSkinListBox::WndProc(TMessage& Message) {
  if (Message.Msg == win::WM_MOUSEWHEEL) {
    // The wheel over the frame or the bar scrolls the rows.
    Message.Result = FListBox->Perform(Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  TbsSkinCustomControl::WndProc(Message);
}
