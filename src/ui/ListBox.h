#pragma once

// TListBox: a list of texts, one selectable, drawn by the list itself or
// item by item by its owner. It shows no scroll bars of its own: its
// vertical range (items), page (visible rows) and position (TopIndex) and
// its horizontal range (HorizontalExtent) and position can be read and set,
// and OnScroll tells when they change, so that an outside scroll bar can
// mirror them. WM_VSCROLL and WM_HSCROLL scroll it as a bar would.

#include "ui/Form.h"
#include "ui/Strings.h"
#include "ui/WinControl.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TOwnerDrawStateItem { odSelected, odFocused, odDisabled };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

// Scroll bars and scroll requests, with their classic values.
// clang-format off
inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;
inline constexpr int SB_LINEUP        = 0;
inline constexpr int SB_LINEDOWN      = 1;
inline constexpr int SB_PAGEUP        = 2;
inline constexpr int SB_PAGEDOWN      = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK    = 5;
inline constexpr int SB_TOP           = 6;
inline constexpr int SB_BOTTOM        = 7;
// clang-format on

struct TScrollInfo {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
};

class TListBox : public TCustomControl {
 public:
  explicit TListBox(TComponent* AOwner);

  TStrings& Items() { return FItems; }
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  // The row height of owner-drawn lists; a standard list uses its font's.
  int ItemHeight() const;
  void SetItemHeight(int Value);
  // -1 for no selection. Setting it scrolls the item into view.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int Value);
  // The width the items may take; wider than the list, it scrolls
  // sideways.
  int HorizontalExtent() const { return FHorizontalExtent; }
  void SetHorizontalExtent(int Value);
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);

  // Whole rows that fit.
  int VisibleRows() const;
  TScrollInfo GetScrollInfo(int Bar) const;
  int ScrollPos(int Bar) const { return GetScrollInfo(Bar).Pos; }
  void SetScrollPos(int Bar, int Pos);

  // The item at a client point, or -1; without Existing, the row index
  // even past the last item.
  int ItemAtPos(TPoint Pos, bool Existing) const;
  TRect ItemRect(int Index) const;

  TDrawItemEvent OnDrawItem;
  // The scroll range or position changed.
  TNotifyEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void KeyDown(win::WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);

 private:
  void ItemsChanged();
  void Scrolled();
  // Selects as the user does: OnClick follows a change.
  void Select(int Index);
  void HandleScroll(int Bar, int Code, int Pos);

  TStrings FItems;
  TListBoxStyle FStyle = lbStandard;
  int FItemHeight = 16;
  // The row height of a standard list, measured from the font when first
  // needed after a font change.
  mutable int FFontItemHeight = 0;
  int FItemIndex = -1;
  int FTopIndex = 0;
  int FHorizontalExtent = 0;
  int FLeftOffset = 0;
  TFormBorderStyle FBorderStyle = bsSingle;
};
