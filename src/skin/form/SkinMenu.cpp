#include "skin/form/SkinMenu.h"

#include "platform/win/Win.h"
#include "skin/form/SkinPopupWindow.h"
#include "ui/Menus.h"
#include "ui/Timer.h"

namespace {

bool IsPress(unsigned message) {
  using namespace win;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

}  // namespace

TbsSkinMenu::TbsSkinMenu(TComponent* AOwner, TCustomForm* Form) : TComponent(AOwner), FForm(Form) {
  FDefMenuItemFont.SetName("Arial");
  FDefMenuItemFont.SetHeight(14);
  FSubmenuTimer = new TTimer(this);
  FSubmenuTimer->SetEnabled(false);
  FSubmenuTimer->SetInterval(500);
  FSubmenuTimer->SetOnTimer([this](TObject*) { SubmenuTimerFired(); });
}

TbsSkinMenu::~TbsSkinMenu() {
  RemoveHooks();
  FLevels.clear();
  FClosed.clear();
  if (FContainer != nullptr)
    FContainer->RemoveFreeNotification(this);
  if (FNotified != nullptr)
    FNotified->RemoveFreeNotification(this);
}

void TbsSkinMenu::SetDefMenuItemHeight(int Value) {
  if (Value > 0)
    FDefMenuItemHeight = Value;
}

void TbsSkinMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove)
    return;
  if (AComponent == FNotified)
    FNotified = nullptr;
  if (AComponent == FContainer) {
    // The levels draw from the container's pictures: they go with it.
    FContainer = nullptr;
    FItemLooks.Clear();
    if (FOpen)
      CloseAllLevels();
  }
  if (AComponent == FForm)
    FForm = nullptr;
}

void TbsSkinMenu::PopupAt(TControl* Notified, TbsSkinData* Container, bool Upwards,
                          TMenuItem* ParentItem, const gfx::Rect& Anchor, int FirstIndex) {
  FFirstOpen = true;
  if (FNotified != nullptr)
    FNotified->RemoveFreeNotification(this);
  FNotified = Notified;
  if (FNotified != nullptr)
    FNotified->FreeNotification(this);
  if (FContainer != nullptr)
    FContainer->RemoveFreeNotification(this);
  FContainer = Container;
  if (FContainer != nullptr)
    FContainer->FreeNotification(this);
  if (!FLevels.empty())
    CloseLevels(0);
  FClosed.clear();
  FWorkArea = MonitorWorkAreaAt(Anchor.TopLeft());
  if (ParentItem != nullptr && FirstIndex < ParentItem->Count()) {
    FOpen = true;
    InstallHooks();
    OpenLevel(Anchor, ParentItem, Upwards, false, FirstIndex);
  }
  FFirstOpen = false;
}

void TbsSkinMenu::OpenLevel(const gfx::Rect& Anchor, TMenuItem* Item, bool Upwards, bool Sublevel,
                            int FirstIndex) {
  const TbsDataSkinPopupWindow* record = nullptr;
  if (FContainer != nullptr && !FContainer->Empty && FContainer->PopupWindowRecord &&
      FContainer->ActivePicture(FContainer->PopupWindowRecord->windowpictureindex) != nullptr)
    record = FContainer->PopupWindowRecord.get();
  FLevels.push_back(std::make_unique<TbsSkinPopupWindow>(*this, record));
  TbsSkinPopupWindow* level = FLevels.back().get();
  level->ShowLevel(Anchor, Item, Upwards, Sublevel, FirstIndex);
  if (level->ItemCount() == 0) {
    // Nothing visible to show: a level without items is no level.
    CloseLevels(LevelCount() - 1);
    return;
  }
  if (LevelCount() == 1)
    win::SetCapture(level->Handle());
}

int TbsSkinMenu::LevelIndexOf(const TbsSkinPopupWindow* Level) const {
  for (int i = 0; i < LevelCount(); ++i)
    if (FLevels[i].get() == Level)
      return i;
  return -1;
}

void TbsSkinMenu::CloseLevels(int Depth) {
  Depth = std::max(Depth, 0);
  while (LevelCount() > Depth) {
    std::unique_ptr<TbsSkinPopupWindow> level = std::move(FLevels.back());
    FLevels.pop_back();
    if (level.get() == FPendingLevel) {
      FPendingLevel = nullptr;
      FPendingItem = nullptr;
    }
    level->StopTimers();
    if (level->HandleAllocated()) {
      if (win::GetCapture() == level->Handle())
        win::ReleaseCapture();
      win::ShowWindow(level->Handle(), win::SW_HIDE);
    }
    FClosed.push_back(std::move(level));
  }
  // The item whose submenu just closed is an ordinary item again.
  if (Depth > 0 && Depth <= LevelCount()) {
    TbsSkinPopupWindow* parent = FLevels[Depth - 1].get();
    for (int i = 0; i < parent->ItemCount(); ++i)
      if (parent->Items(i).Pressed) {
        parent->Items(i).Pressed = false;
        parent->ItemChanged(parent->Items(i));
      }
  }
  if (Depth == 0 && FOpen) {
    FOpen = false;
    FSubmenuTimer->SetEnabled(false);
    RemoveHooks();
    SendClosed(false);
  }
}

void TbsSkinMenu::CloseAllLevels() {
  const bool wasOpen = FOpen;
  CloseLevels(0);
  FSubmenuTimer->SetEnabled(false);
  FPendingItem = nullptr;
  FPendingLevel = nullptr;
  if (wasOpen)
    SendClosed(true);
}

void TbsSkinMenu::SendClosed(bool ToForm) {
  if (ToForm) {
    if (FForm != nullptr && FForm->HandleAllocated())
      win::SendMessage(FForm->Handle(), CloseSkinMenuMessage);
    return;
  }
  if (auto* control = dynamic_cast<TWinControl*>(FNotified); control && control->HandleAllocated())
    win::SendMessage(control->Handle(), CloseSkinMenuMessage);
  else if (FNotified != nullptr)
    FNotified->Perform(CloseSkinMenuMessage, 0, 0);
}

void TbsSkinMenu::ItemAction(TbsSkinPopupWindow* Level, TbsSkinMenuItem* Item, bool ByKeyboard,
                             bool Chosen) {
  const int depth = LevelIndexOf(Level);
  if (depth < 0 || Item == nullptr)
    return;
  if (!Item->HasChildren()) {
    if (!Chosen) {
      CloseLevels(depth + 1);
      return;
    }
    FSubmenuTimer->SetEnabled(false);
    TControl* notified = FNotified;
    CloseAllLevels();
    // The levels are closed before the command runs, which may open a
    // dialog or even a new menu.
    Item->MenuItem()->Click();
    if (notified != nullptr && notified == FNotified)
      notified->Perform(SkinMenuItemChosenMessage, 0, 0);
    return;
  }
  if (!Chosen) {
    CloseLevels(depth + 1);
    if (!ByKeyboard) {
      FPendingItem = Item;
      FPendingLevel = Level;
      FSubmenuTimer->SetEnabled(false);
      FSubmenuTimer->SetEnabled(true);
    }
    return;
  }
  FSubmenuTimer->SetEnabled(false);
  if (Item->Pressed && LevelCount() > depth + 1)
    return;  // its submenu is open already
  Item->MenuItem()->Click();
  CloseLevels(depth + 1);
  Item->Pressed = true;
  Level->ItemChanged(*Item);
  OpenLevel(Level->ItemScreenRect(*Item), Item->MenuItem(), false, true, 0);
}

void TbsSkinMenu::SubmenuTimerFired() {
  FSubmenuTimer->SetEnabled(false);
  TbsSkinMenuItem* item = FPendingItem;
  TbsSkinPopupWindow* level = FPendingLevel;
  FPendingItem = nullptr;
  FPendingLevel = nullptr;
  if (item != nullptr && LevelIndexOf(level) >= 0)
    ItemAction(level, item, false, true);
}

bool TbsSkinMenu::HandleMenuKey(win::WORD Key) {
  if (FLevels.empty())
    return false;
  return FLevels.back()->HandleMenuKey(Key);
}

TbsSkinPopupWindow* TbsSkinMenu::LevelAt(gfx::Point Screen) const {
  for (auto it = FLevels.rbegin(); it != FLevels.rend(); ++it)
    if ((*it)->HandleAllocated() && win::GetWindowRect((*it)->Handle()).Contains(Screen))
      return it->get();
  return nullptr;
}

void TbsSkinMenu::RouteMouse(unsigned Message, gfx::Point Screen) {
  TbsSkinPopupWindow* level = LevelAt(Screen);
  if (level == nullptr) {
    if (IsPress(Message))
      CloseAllLevels();
    return;
  }
  gfx::Point client = Screen;
  win::ScreenToClient(level->Handle(), client);
  if (Message == win::WM_MOUSEMOVE)
    level->HoverAt(client);
  else if (Message == win::WM_LBUTTONUP)
    level->ReleaseAt(client);
}

// While the menu is open the program's message loop offers it every message
// first: keys go to the last level (the form keeps the keyboard), the wheel
// is swallowed, and Alt or a press on another of our windows closes it.
void TbsSkinMenu::InstallHooks() {
  if (FHooked || Application == nullptr)
    return;
  FHooked = true;
  FSavedOnMessage = Application->OnMessage;
  Application->OnMessage = [this](win::MSG& Msg, bool& Handled) {
    // Closing the menu gives the saved handler back; this message still
    // goes on to it.
    const TMessageEvent saved = FSavedOnMessage;
    FilterMessage(Msg, Handled);
    if (!Handled && saved)
      saved(Msg, Handled);
  };
}

void TbsSkinMenu::RemoveHooks() {
  if (!FHooked)
    return;
  FHooked = false;
  if (Application != nullptr)
    Application->OnMessage = FSavedOnMessage;
  FSavedOnMessage = nullptr;
}

void TbsSkinMenu::FilterMessage(win::MSG& Msg, bool& Handled) {
  using namespace win;
  if (!FOpen)
    return;
  switch (Msg.message) {
    case WM_KEYDOWN:
      HandleMenuKey(static_cast<WORD>(Msg.wParam));
      Handled = true;
      return;
    case WM_MOUSEWHEEL:
      Handled = true;
      return;
    case WM_SYSKEYDOWN:
      if (Msg.wParam == VK_MENU || Msg.wParam == VK_F10)
        CloseAllLevels();
      return;
    default:
      break;
  }
  if (IsPress(Msg.message)) {
    for (const auto& level : FLevels)
      if (level->HandleAllocated() && level->Handle() == Msg.hwnd)
        return;
    CloseAllLevels();
  }
}
