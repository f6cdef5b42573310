// The frame's system menu: which items it offers in the frame's current
// state, and the one place through which the frame opens a menu.

#include "platform/win/VirtualKeys.h"
#include "platform/win/Win.h"
#include "skin/form/SkinForm.h"

namespace {

const char* const kBuiltInNames[] = {"SF_MINITEM", "SF_MAXITEM",   "SF_RESTORE",
                                     "SF_ROLLUP",  "SF_MINTOTRAY", "SF_CLOSE"};

bool IsBuiltIn(const TMenuItem* item) {
  for (const char* name : kBuiltInNames)
    if (item->Name() == name)
      return true;
  return false;
}

}  // namespace

void TbsSkinForm::AddSystemMenuItem(TMenuItem& Root, int Index, const std::string& Name,
                                    const std::string& Caption, std::function<void()> Action) {
  auto* item = new TMenuItem(&Root);
  item->SetName(Name);
  item->SetCaption(Caption);
  if (Action)
    item->OnClick = [Action = std::move(Action)](TObject*) { Action(); };
  if (Index < 0)
    Root.Add(item);
  else
    Root.Insert(Index, item);
}

TMenuItem* TbsSkinForm::GetSystemMenuItems() {
  const bool minimized = FFormState == TbsFormState::Minimized;
  const bool maximized = FFormState == TbsFormState::Maximized;
  const bool showMin = FBorderIcons.Contains(TbsBorderIcon::biMinimize) && !minimized;
  const bool showMax = FBorderIcons.Contains(TbsBorderIcon::biMaximize) && !maximized;
  const bool showRestore = FFormState != TbsFormState::Normal || FRollUpState;
  const bool showRollUp =
      FBorderIcons.Contains(TbsBorderIcon::biRollUp) && !FRollUpState && !minimized;
  const bool showTray = FBorderIcons.Contains(TbsBorderIcon::biMinimizeToTray);
  const auto minimize = [this] {
    if (FAlwaysMinimizeToTray)
      MinimizeToTray();
    else
      SetFormState(TbsFormState::Minimized);
  };
  const auto restore = [this] {
    if (FRolledWhileMaximized || (FRollUpState && FFormState == TbsFormState::Normal))
      RollUp(false);
    else
      SetFormState(TbsFormState::Normal);
  };
  const auto maximize = [this] { SetFormState(TbsFormState::Maximized); };
  const auto rollUp = [this] { RollUp(true); };
  const auto tray = [this] { MinimizeToTray(); };
  const auto close = [this] { FOwnerForm->Close(); };
  const auto addClose = [&](TMenuItem& root) {
    AddSystemMenuItem(root, -1, "SF_CLOSE", "&Close", close);
    root.Items(root.Count() - 1)->SetShortCut(ShortCut(win::VK_F4, TShiftState{ssAlt}));
  };

  if (FSystemMenu != nullptr) {
    TMenuItem& root = FSystemMenu->Items();
    if (!FUseDefaultSysMenu)
      return &root;
    for (bool removed = true; removed;) {
      removed = false;
      for (int i = 0; i < root.Count(); ++i) {
        if (IsBuiltIn(root.Items(i))) {
          root.Delete(i);
          removed = true;
          break;
        }
      }
    }
    if (showTray)
      AddSystemMenuItem(root, 0, "SF_MINTOTRAY", "Minimize to &Tray", tray);
    if (showRollUp)
      AddSystemMenuItem(root, 0, "SF_ROLLUP", "Ro&llUp", rollUp);
    if (showMax)
      AddSystemMenuItem(root, 0, "SF_MAXITEM", "Ma&ximize", maximize);
    if (showRestore)
      AddSystemMenuItem(root, 0, "SF_RESTORE", "&Restore", restore);
    if (showMin)
      AddSystemMenuItem(root, 0, "SF_MINITEM", "Mi&nimize", minimize);
    addClose(root);
    return &root;
  }

  TMenuItem& root = FDefaultSysMenu.Items();
  root.Clear();
  if (showMin)
    AddSystemMenuItem(root, -1, "SF_MINITEM", "Mi&nimize", minimize);
  if (showMax)
    AddSystemMenuItem(root, -1, "SF_MAXITEM", "Ma&ximize", maximize);
  if (showRestore)
    AddSystemMenuItem(root, -1, "SF_RESTORE", "&Restore", restore);
  if (showRollUp)
    AddSystemMenuItem(root, -1, "SF_ROLLUP", "Ro&llUp", rollUp);
  if (showTray)
    AddSystemMenuItem(root, -1, "SF_MINTOTRAY", "Minimize to &Tray", tray);
  if (root.Count() > 0)
    AddSystemMenuItem(root, -1, "", "-", nullptr);
  addClose(root);
  return &root;
}

void TbsSkinForm::ShowSystemMenu(gfx::Point Screen) {
  ShowFrameMenu(*GetSystemMenuItems(), {Screen.x, Screen.y, Screen.x, Screen.y}, false);
}

void TbsSkinForm::MarkMenuOpen() {
  if (FSkinMenuOpen)
    return;
  FSkinMenuOpen = true;
  if (OnSkinMenuOpen)
    OnSkinMenuOpen(this);
}

void TbsSkinForm::SkinMenuClosed() {
  if (!FSkinMenuOpen)
    return;
  FSkinMenuOpen = false;
  for (const auto& o : FObjectList) {
    auto* button = dynamic_cast<TbsSkinButtonObject*>(o.get());
    if (button != nullptr && button->PopupItem != nullptr && button->Pressed) {
      button->SetPressed(false);
      break;
    }
  }
  if (OnSkinMenuClose)
    OnSkinMenuClose(this);
}

// Every menu of the frame opens here, through the skinned menu engine. The
// menu stays open while the program's loop runs on; the chosen item's
// command runs after the menu has closed and the frame heard of it
// (CloseSkinMenuMessage), so a command that closes the form finds nothing
// of the menu.
void TbsSkinForm::ShowFrameMenu(TMenuItem& Item, const gfx::Rect& Anchor, bool Up) {
  MarkMenuOpen();
  FSkinMenu->PopupAt(nullptr, FMenusSD != nullptr ? FMenusSD : FSD, Up, &Item, Anchor, 0);
  if (!FSkinMenu->IsOpen())
    SkinMenuClosed();
}
