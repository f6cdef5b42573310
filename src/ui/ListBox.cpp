#include "ui/ListBox.h"

#include <algorithm>

#include "platform/win/Win.h"

TListBox::TListBox(TComponent* AOwner) : TCustomControl(AOwner) {
  StoreBounds(0, 0, 121, 97);
  SetColor(gfx::clWindow);
  SetTabStop(true);
  // Clicks are selections, reported as they change.
  ExcludeStyle(csClickEvents);
  FItems.OnChange = [this](TObject*) { ItemsChanged(); };
}

void TListBox::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.WinClassName = "TListBox";
  if (FBorderStyle == bsSingle)
    Params.Style |= win::WS_BORDER;
}

void TListBox::SetBorderStyle(TFormBorderStyle Value) {
  if (Value != FBorderStyle) {
    FBorderStyle = Value;
    RecreateWnd();
  }
}

void TListBox::SetStyle(TListBoxStyle Value) {
  if (Value != FStyle) {
    FStyle = Value;
    Scrolled();
    Invalidate();
  }
}

int TListBox::ItemHeight() const {
  if (FStyle != lbStandard)
    return FItemHeight;
  if (FFontItemHeight == 0) {
    TCanvas measure;
    measure.Font().Assign(Font());
    FFontItemHeight = std::max(measure.TextHeight("Ag"), 1);
  }
  return FFontItemHeight;
}

void TListBox::SetItemHeight(int Value) {
  if (Value > 0 && Value != FItemHeight) {
    FItemHeight = Value;
    SetTopIndex(FTopIndex);
    Scrolled();
    Invalidate();
  }
}

int TListBox::VisibleRows() const {
  return std::max(ClientHeight() / ItemHeight(), 1);
}

void TListBox::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems.Count())
    Value = -1;
  if (Value == FItemIndex)
    return;
  FItemIndex = Value;
  if (Value >= 0) {
    if (Value < FTopIndex)
      SetTopIndex(Value);
    else if (Value >= FTopIndex + VisibleRows())
      SetTopIndex(Value - VisibleRows() + 1);
  }
  Invalidate();
}

void TListBox::SetTopIndex(int Value) {
  // The last page is always full, as far as there are items.
  int maxTop = std::max(0, FItems.Count() - VisibleRows());
  Value = std::clamp(Value, 0, maxTop);
  if (Value == FTopIndex)
    return;
  FTopIndex = Value;
  Invalidate();
  Scrolled();
}

void TListBox::SetHorizontalExtent(int Value) {
  Value = std::max(Value, 0);
  if (Value == FHorizontalExtent)
    return;
  FHorizontalExtent = Value;
  FLeftOffset = std::clamp(FLeftOffset, 0, std::max(0, FHorizontalExtent - ClientWidth()));
  Invalidate();
  Scrolled();
}

TScrollInfo TListBox::GetScrollInfo(int Bar) const {
  if (Bar == SB_HORZ)
    return {0, std::max(FHorizontalExtent - 1, 0), ClientWidth(), FLeftOffset};
  return {0, std::max(FItems.Count() - 1, 0), VisibleRows(), FTopIndex};
}

void TListBox::SetScrollPos(int Bar, int Pos) {
  if (Bar == SB_VERT) {
    SetTopIndex(Pos);
    return;
  }
  Pos = std::clamp(Pos, 0, std::max(0, FHorizontalExtent - ClientWidth()));
  if (Pos != FLeftOffset) {
    FLeftOffset = Pos;
    Invalidate();
    Scrolled();
  }
}

void TListBox::HandleScroll(int Bar, int Code, int Pos) {
  int line = Bar == SB_VERT ? 1 : 8;
  int page = Bar == SB_VERT ? VisibleRows() : std::max(ClientWidth(), 1);
  int cur = ScrollPos(Bar);
  switch (Code) {
    case SB_LINEUP:
      SetScrollPos(Bar, cur - line);
      break;
    case SB_LINEDOWN:
      SetScrollPos(Bar, cur + line);
      break;
    case SB_PAGEUP:
      SetScrollPos(Bar, cur - page);
      break;
    case SB_PAGEDOWN:
      SetScrollPos(Bar, cur + page);
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      SetScrollPos(Bar, Pos);
      break;
    case SB_TOP:
      SetScrollPos(Bar, 0);
      break;
    case SB_BOTTOM:
      SetScrollPos(Bar, 1 << 30);
      break;
    default:
      break;
  }
}

void TListBox::Scrolled() {
  if (OnScroll)
    OnScroll(this);
}

void TListBox::ItemsChanged() {
  if (FItemIndex >= FItems.Count())
    FItemIndex = -1;
  int maxTop = std::max(0, FItems.Count() - VisibleRows());
  FTopIndex = std::clamp(FTopIndex, 0, maxTop);
  Invalidate();
  // The range changed even when the position did not.
  Scrolled();
}

int TListBox::ItemAtPos(TPoint Pos, bool Existing) const {
  if (!ClientRect().Contains(Pos) && Existing)
    return -1;
  int index = FTopIndex + Pos.y / ItemHeight();
  if (Pos.y < 0)
    index = FTopIndex - 1;
  if (Existing && (index < 0 || index >= FItems.Count()))
    return -1;
  return index;
}

TRect TListBox::ItemRect(int Index) const {
  int h = ItemHeight();
  int width = std::max(ClientWidth(), FHorizontalExtent);
  return TRect::FromXYWH(-FLeftOffset, (Index - FTopIndex) * h, width, h);
}

void TListBox::Select(int Index) {
  if (Index < 0 || Index >= FItems.Count() || Index == FItemIndex)
    return;
  SetItemIndex(Index);
  Click();
}

void TListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas& c = Canvas();
  if (FStyle != lbStandard && OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  c.FillRect(Rect);
  c.Brush().SetStyle(bsClear);
  c.TextOut(Rect.left + 2, Rect.top, FItems[Index]);
}

void TListBox::Paint() {
  TCanvas& c = Canvas();
  int h = ItemHeight();
  TRect client = ClientRect();
  int y = 0;
  for (int i = FTopIndex; i < FItems.Count() && y < client.bottom; ++i, y += h) {
    TOwnerDrawState state;
    bool selected = i == FItemIndex;
    if (selected)
      state.Include(odSelected);
    if (selected && Focused())
      state.Include(odFocused);
    if (!Enabled())
      state.Include(odDisabled);
    c.Font().Assign(Font());
    c.Brush().SetColor(selected ? gfx::clHighlight : Color());
    if (selected)
      c.Font().SetColor(gfx::clHighlightText);
    DrawItem(i, ItemRect(i), state);
  }
  if (y < client.bottom) {
    c.Brush().SetColor(Color());
    c.FillRect({0, y, client.right, client.bottom});
  }
}

void TListBox::KeyDown(win::WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  int count = FItems.Count();
  if (count == 0)
    return;
  int cur = FItemIndex;
  int next = cur;
  switch (Key) {
    case win::VK_UP:
      next = std::max(cur - 1, 0);
      break;
    case win::VK_DOWN:
      next = std::min(cur + 1, count - 1);
      break;
    case win::VK_HOME:
      next = 0;
      break;
    case win::VK_END:
      next = count - 1;
      break;
    case win::VK_PRIOR:
      next = std::max(cur - VisibleRows() + 1, 0);
      break;
    case win::VK_NEXT:
      next = std::min(std::max(cur, 0) + VisibleRows() - 1, count - 1);
      break;
    default:
      return;
  }
  Select(next);
}

void TListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (CanFocus() && !Focused())
      SetFocus();
    Select(ItemAtPos({X, Y}, true));
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TListBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (Shift.Contains(ssLeft) && MouseCapture()) {
    // Dragging past an edge scrolls the list along.
    int index = std::clamp(ItemAtPos({X, Y}, false), 0, std::max(FItems.Count() - 1, 0));
    Select(index);
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TListBox::WndProc(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_VSCROLL:
    case WM_HSCROLL:
      HandleScroll(m.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(m.WParam),
                   static_cast<std::int16_t>(HIWORD(m.WParam)));
      return;
    case WM_MOUSEWHEEL:
      SetTopIndex(FTopIndex - GET_WHEEL_DELTA_WPARAM(m.WParam) / WHEEL_DELTA * 3);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    case CM_FONTCHANGED:
      FFontItemHeight = 0;
      TCustomControl::WndProc(m);
      ItemsChanged();
      return;
    case WM_SIZE:
      TCustomControl::WndProc(m);
      SetTopIndex(FTopIndex);
      Scrolled();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}
