#include "tiles/TileBoardView.h"

#include <algorithm>
#include <cstdlib>

#include "platform/win/PaintApi.h"
#include "platform/win/TimerApi.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Win.h"
#include "tiles/TileLooks.h"

namespace {

constexpr TColor kTeal = gfx::RGB(46, 120, 128);
constexpr TColor kTealLight = gfx::RGB(120, 178, 176);
constexpr TColor kHighlight = gfx::RGB(255, 250, 240);
constexpr TColor kWalnutDark = gfx::RGB(62, 40, 24);
// How far the mouse moves with the button down before a press is a drag.
constexpr int kDragDistance = 4;

void FrameInside(gfx::DeviceContext& DC, TRect R, int Width, TColor Color) {
  for (int i = 0; i < Width; ++i) {
    DC.FrameRect(R, Color);
    R = {R.left + 1, R.top + 1, R.right - 1, R.bottom - 1};
  }
}

}  // namespace

TTileBoardView::TTileBoardView(TComponent* AOwner) : TCustomControl(AOwner) {
  // Every pixel is a tile; two quick clicks are two picks, not a double
  // click.
  IncludeStyle(csOpaque);
  ExcludeStyle(csDoubleClicks);
  SetTabStop(true);
}

void TTileBoardView::SetGame(TTileGame* Game) {
  FGame = Game;
  FTurnedTiles.clear();
  FPressSlot.reset();
  FDragging = false;
  FHover = -1;
  Invalidate();
}

void TTileBoardView::SetPicture(gfx::Bitmap&& Picture) {
  FPicture = std::move(Picture);
  FTurnedTiles.clear();
  Invalidate();
}

const gfx::Bitmap& TTileBoardView::TurnedTile(int Tile, int Turns) {
  if (FTurnedTiles.empty())
    FTurnedTiles.resize(static_cast<std::size_t>(FGame->Board().SlotCount()));
  std::array<gfx::Bitmap, 3>& turned = FTurnedTiles[static_cast<std::size_t>(Tile)];
  if (turned[Turns - 1].IsEmpty()) {
    if (Turns > 1) {
      turned[Turns - 1] = TurnedQuarter(TurnedTile(Tile, Turns - 1));
    } else {
      turned[0] =
          TurnedQuarter(CutTile(FPicture, FGame->Board().Shape().Columns, TileSize(), Tile));
    }
  }
  return turned[Turns - 1];
}

void TTileBoardView::SetShowPicture(bool Value) {
  if (FShowPicture == Value)
    return;
  FShowPicture = Value;
  Invalidate();
}

int TTileBoardView::TileSize() const {
  const int columns = FGame ? FGame->Board().Shape().Columns : 1;
  return std::min(Width(), Height()) / columns;
}

TRect TTileBoardView::SlotRect(int Slot) const {
  if (!FGame || !FGame->Board().ValidSlot(Slot))
    return {};
  const int columns = FGame->Board().Shape().Columns, size = TileSize();
  return TRect::FromXYWH(Slot % columns * size, Slot / columns * size, size, size);
}

int TTileBoardView::SlotAt(int X, int Y) const {
  if (!FGame)
    return -1;
  const int columns = FGame->Board().Shape().Columns, size = TileSize();
  if (X < 0 || Y < 0 || size <= 0 || X >= columns * size || Y >= columns * size)
    return -1;
  return Y / size * columns + X / size;
}

void TTileBoardView::InvalidateSlots(const std::vector<int>& Slots) {
  if (!HandleAllocated())
    return;
  for (int slot : Slots) {
    const TRect r = SlotRect(slot);
    if (!r.IsEmpty())
      win::InvalidateRect(Handle(), &r, false);
  }
}

void TTileBoardView::Paint() {
  gfx::DeviceContext* dc = Canvas().Handle();
  if (!dc)
    return;
  const gfx::Bitmap& picture = FPicture;
  if (!FGame || picture.IsEmpty()) {
    dc->FillRect(ClientRect(), kWalnutDark);
    return;
  }
  // Whatever lies beyond the last whole tile.
  dc->FillRect(ClientRect(), kWalnutDark);
  if (FShowPicture) {
    dc->BitBlt(0, 0, picture.Width(), picture.Height(), picture, 0, 0);
    return;
  }
  const TRect clip = dc->GetClipBox();
  for (int slot = 0; slot < FGame->Board().SlotCount(); ++slot)
    if (!SlotRect(slot).Intersect(clip).IsEmpty()) {
      PaintTile(*dc, slot);
      PaintMarks(*dc, slot);
    }
}

void TTileBoardView::PaintTile(gfx::DeviceContext& DC, int Slot) {
  const TTilePlace place = FGame->Board().Place(Slot);
  const int columns = FGame->Board().Shape().Columns, size = TileSize();
  const TRect r = SlotRect(Slot);
  if (place.Turns == 0)
    DC.BitBlt(r.left, r.top, size, size, FPicture, place.Tile % columns * size,
              place.Tile / columns * size);
  else
    DC.BitBlt(r.left, r.top, size, size, TurnedTile(place.Tile, place.Turns), 0, 0);
  if (FGame->Solved())
    return;  // the finished picture shows without seams
  // A light and a dark edge set the tiles apart while they are loose.
  DC.FillRect({r.left, r.top, r.right, r.top + 1}, kHighlight);
  DC.FillRect({r.left, r.top, r.left + 1, r.bottom}, kHighlight);
  DC.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, kWalnutDark);
  DC.FillRect({r.right - 1, r.top, r.right, r.bottom}, kWalnutDark);
}

void TTileBoardView::PaintMarks(gfx::DeviceContext& DC, int Slot) {
  const TRect r = SlotRect(Slot);
  if (FGame->Picked() == Slot || (FDragging && FPressSlot == Slot))
    FrameInside(DC, r, 3, kTeal);
  if (FDragging && FHover == Slot && FPressSlot != Slot)
    FrameInside(DC, r, 3, kTealLight);
  if (FShowCursor && FGame->Cursor() == Slot && !FGame->Solved()) {
    const TRect inner{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
    FrameInside(DC, inner, 1, kHighlight);
    FrameInside(DC, {inner.left + 1, inner.top + 1, inner.right - 1, inner.bottom - 1}, 1,
                kWalnutDark);
  }
}

void TTileBoardView::Moved(const std::vector<int>& Changed) {
  if (Changed.empty())
    return;
  // The last correct tile joins the whole picture: every seam goes.
  if (FGame->Solved())
    Invalidate();
  else
    InvalidateSlots(Changed);
  if (OnMove)
    OnMove(this);
}

void TTileBoardView::SetHover(int Slot) {
  if (Slot == FHover)
    return;
  InvalidateSlots({FHover, Slot});
  FHover = Slot;
}

void TTileBoardView::WndProc(TMessage& Message) {
  if (Message.Msg == win::WM_GETDLGCODE) {
    Message.Result = win::DLGC_WANTARROWS | win::DLGC_WANTCHARS;
    return;
  }
  TCustomControl::WndProc(Message);
}

void TTileBoardView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (CanFocus() && !Focused())
    SetFocus();
  if (!FGame || FShowPicture)
    return;
  const int slot = SlotAt(X, Y);
  if (Button == mbRight) {
    Moved(FGame->Turn(slot, win::GetTickCount()));
  } else if (Button == mbLeft && slot >= 0) {
    FPressSlot = slot;
    FPressPoint = {X, Y};
    FDragging = false;
  }
}

void TTileBoardView::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!FPressSlot)
    return;
  if (!FDragging && (std::abs(X - FPressPoint.x) > kDragDistance ||
                     std::abs(Y - FPressPoint.y) > kDragDistance)) {
    FDragging = true;
    InvalidateSlots({*FPressSlot});
  }
  if (FDragging)
    SetHover(SlotAt(X, Y));
}

void TTileBoardView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || !FPressSlot || !FGame)
    return;
  const int from = *FPressSlot;
  const bool dragged = FDragging;
  FPressSlot.reset();
  FDragging = false;
  SetHover(-1);
  InvalidateSlots({from});
  const int to = SlotAt(X, Y);
  if (!dragged)
    Moved(FGame->Pick(from, win::GetTickCount()));
  else if (to >= 0 && to != from)
    Moved(FGame->Swap(from, to, win::GetTickCount()));
}

void TTileBoardView::KeyDown(win::WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (!FGame || Key == 0)
    return;
  if (!FShowCursor) {
    FShowCursor = true;
    InvalidateSlots({FGame->Cursor()});
  }
  switch (Key) {
    case win::VK_LEFT:
      InvalidateSlots(FGame->MoveCursor(-1, 0));
      break;
    case win::VK_RIGHT:
      InvalidateSlots(FGame->MoveCursor(1, 0));
      break;
    case win::VK_UP:
      InvalidateSlots(FGame->MoveCursor(0, -1));
      break;
    case win::VK_DOWN:
      InvalidateSlots(FGame->MoveCursor(0, 1));
      break;
    case win::VK_SPACE:
      if (!FShowPicture)
        Moved(FGame->Pick(FGame->Cursor(), win::GetTickCount()));
      break;
    case 'R':
      if (!FShowPicture)
        Moved(FGame->Turn(FGame->Cursor(), win::GetTickCount()));
      break;
    case 'P':
      SetShowPicture(true);
      break;
    default:
      return;
  }
  Key = 0;
}

void TTileBoardView::KeyUp(win::WORD& Key, TShiftState Shift) {
  TCustomControl::KeyUp(Key, Shift);
  if (Key == 'P') {
    SetShowPicture(false);
    Key = 0;
  }
}

void TTileBoardView::DoExit() {
  TCustomControl::DoExit();
  // A drag or a held picture ends with the focus.
  FShowCursor = false;
  SetShowPicture(false);
  if (FGame)
    InvalidateSlots({FGame->Cursor()});
}
