// A menu level's answers to the mouse, the keyboard and its timers.

#include <algorithm>
#include <cctype>

#include "platform/win/Win.h"
#include "skin/form/SkinMenu.h"
#include "skin/form/SkinPopupWindow.h"
#include "ui/Menus.h"

namespace {

// The accelerator of a caption: the character after a single "&", in
// upper case; 0 without one.
unsigned AcceleratorOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&')
      continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<unsigned>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

}  // namespace

void TbsSkinPopupWindow::WndProc(TMessage& Message) {
  using namespace win;
  switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
      // The form keeps the focus while its menu is open.
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_TIMER:
      if (Message.WParam == kHoverTimer)
        HoverTick();
      else if (Message.WParam == kScrollTimer)
        ScrollStep();
      else if (Message.WParam == kMorphTimer)
        MorphTick();
      return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: {
      // The first level holds the mouse while the menu is open; the menu
      // passes the input to the level under the pointer.
      const gfx::Point screen =
          ClientToScreen({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
      FMenu.RouteMouse(Message.Msg, screen);
      return;
    }
    default:
      TCustomControl::WndProc(Message);
  }
}

void TbsSkinPopupWindow::HoverTick() {
  gfx::Point cursor;
  win::GetCursorPos(cursor);
  if (FLastCursor && *FLastCursor == cursor)
    return;
  FLastCursor = cursor;
  if (win::WindowFromPoint(cursor) == Handle()) {
    win::ScreenToClient(Handle(), cursor);
    HoverAt(cursor);
  } else if (FScrolling) {
    StopScrolling();
  }
}

void TbsSkinPopupWindow::HoverAt(gfx::Point Client) {
  if (FScrolling) {
    const gfx::Rect topBand{FItemsRect.left, FItemsRect.top, FItemsRect.right,
                            FItemsRect.top + kScrollBand};
    const gfx::Rect bottomBand{FItemsRect.left, FItemsRect.bottom - kScrollBand, FItemsRect.right,
                               FItemsRect.bottom};
    if (topBand.Contains(Client)) {
      if (CanScroll(TbsScrollDirection::Up))
        StartScrolling(TbsScrollDirection::Up);
    } else if (bottomBand.Contains(Client)) {
      if (CanScroll(TbsScrollDirection::Down))
        StartScrolling(TbsScrollDirection::Down);
    } else {
      StopScrolling();
    }
  }
  int hot = -1;
  for (int i = 0; i < ItemCount(); ++i)
    if (FItems[i]->InVisibleRange && FItems[i]->ItemRect.Contains(Client)) {
      hot = i;
      break;
    }
  if (hot < 0)
    return;
  if (hot == FHotItem) {
    TbsSkinMenuItem& item = *FItems[hot];
    if (item.KeySelected) {
      // The mouse takes over an item the keyboard chose.
      item.KeySelected = false;
      if (item.HasChildren() && item.Selectable())
        EnterItem(item, false);
    }
    return;
  }
  SetHotItem(hot, false);
}

void TbsSkinPopupWindow::SetHotItem(int Index, bool ByKeyboard) {
  if (FHotItem >= 0 && FHotItem < ItemCount() && FItems[FHotItem]->Selectable())
    LeaveItem(*FItems[FHotItem]);
  FHotItem = Index;
  if (Index < 0)
    return;
  TbsSkinMenuItem& item = *FItems[Index];
  if (!item.Selectable())
    return;
  item.KeySelected = ByKeyboard;
  EnterItem(item, ByKeyboard);
}

void TbsSkinPopupWindow::EnterItem(TbsSkinMenuItem& Item, bool ByKeyboard) {
  Item.Highlighted = true;
  for (const auto& other : FItems)
    if (other.get() != &Item && other->Pressed) {
      other->Pressed = false;
      ItemChanged(*other);
    }
  if (Item.Pressed)
    return;  // its submenu is open
  ItemChanged(Item);
  if (!Item.KeySelected)
    FMenu.ItemAction(this, &Item, ByKeyboard, false);
}

void TbsSkinPopupWindow::LeaveItem(TbsSkinMenuItem& Item) {
  Item.Highlighted = false;
  Item.KeySelected = false;
  if (!Item.Pressed)
    ItemChanged(Item);
}

void TbsSkinPopupWindow::ReleaseAt(gfx::Point Client) {
  if (FHotItem < 0)
    return;
  TbsSkinMenuItem& item = *FItems[FHotItem];
  if (item.InVisibleRange && item.ItemRect.Contains(Client) && !item.IsSeparator())
    ClickItem(item);
}

void TbsSkinPopupWindow::ClickItem(TbsSkinMenuItem& Item) {
  Item.KeySelected = false;
  if (Item.Enabled() && !Item.Pressed)
    FMenu.ItemAction(this, &Item, false, true);
}

// The first selectable item from Start on in the direction of Step, going
// round once; -1 when there is none.
int TbsSkinPopupWindow::SelectableFrom(int Start, int Step) const {
  const int n = ItemCount();
  for (int k = 0; k < n; ++k) {
    const int i = ((Start + k * Step) % n + n) % n;
    if (FItems[i]->Selectable())
      return i;
  }
  return -1;
}

bool TbsSkinPopupWindow::HandleMenuKey(win::WORD Key) {
  using namespace win;
  const int depth = FMenu.LevelIndexOf(this);
  if (Key >= '0' && Key <= 'Z') {
    for (int i = 0; i < ItemCount(); ++i) {
      TbsSkinMenuItem& item = *FItems[i];
      if (item.Selectable() && AcceleratorOf(item.MenuItem()->Caption()) == Key) {
        MakeVisible(i);
        SetHotItem(i, true);
        ClickItem(item);
        return true;
      }
    }
  }
  switch (Key) {
    case VK_RETURN:
      if (FHotItem >= 0 && FItems[FHotItem]->Selectable())
        ClickItem(*FItems[FHotItem]);
      return true;
    case VK_ESCAPE:
      if (depth == 0)
        FMenu.CloseAllLevels();
      else
        FMenu.CloseLevels(depth);
      return true;
    case VK_LEFT:
      if (FMenu.LevelCount() >= 2 && depth > 0)
        FMenu.CloseLevels(depth);
      return true;
    case VK_RIGHT:
      if (FHotItem >= 0 && FItems[FHotItem]->HasChildren() && FItems[FHotItem]->Enabled())
        FMenu.ItemAction(this, FItems[FHotItem].get(), true, true);
      return true;
    case VK_DOWN:
    case VK_UP: {
      if (ItemCount() == 0)
        return true;
      const int step = Key == VK_DOWN ? 1 : -1;
      const int start = FHotItem < 0 ? (step > 0 ? 0 : ItemCount() - 1) : FHotItem + step;
      // Past either end the search goes on from the other end, so the
      // keys never get stuck at an end behind separators or disabled items.
      const int next = SelectableFrom(start, step);
      if (next >= 0 && next != FHotItem) {
        MakeVisible(next);
        SetHotItem(next, true);
      }
      return true;
    }
    default:
      return false;
  }
}

// -- Scrolling ------------------------------------------------------------------

bool TbsSkinPopupWindow::CanScroll(TbsScrollDirection Direction) const {
  if (Direction == TbsScrollDirection::Up)
    return FFirstVisible > 0;
  if (Direction == TbsScrollDirection::Down)
    return FFirstVisible + FVisibleCount < ItemCount();
  return false;
}

void TbsSkinPopupWindow::MakeVisible(int Index) {
  if (!FScrolling)
    return;
  bool moved = false;
  while (Index < FFirstVisible) {
    --FFirstVisible;
    LayoutItems();
    moved = true;
  }
  while (!FItems[Index]->InVisibleRange && CanScroll(TbsScrollDirection::Down)) {
    ++FFirstVisible;
    LayoutItems();
    moved = true;
  }
  if (moved)
    Invalidate();
}

void TbsSkinPopupWindow::StartScrolling(TbsScrollDirection Direction) {
  if (FScrollDirection == Direction)
    return;
  FScrollDirection = Direction;
  win::SetTimer(Handle(), kScrollTimer, 100);
  Invalidate();
}

void TbsSkinPopupWindow::StopScrolling() {
  if (FScrollDirection == TbsScrollDirection::None)
    return;
  FScrollDirection = TbsScrollDirection::None;
  win::KillTimer(Handle(), kScrollTimer);
  Invalidate();
}

void TbsSkinPopupWindow::ScrollStep() {
  if (!CanScroll(FScrollDirection)) {
    StopScrolling();
    return;
  }
  FFirstVisible += FScrollDirection == TbsScrollDirection::Down ? 1 : -1;
  LayoutItems();
  Invalidate();
}
