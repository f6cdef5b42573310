#pragma once

// TbsSkinMenu: the skinned menu engine of a form. It opens one popup level
// per menu depth, fills it with the visible items, opens submenus on hover
// (after half a second) or on a choice, and closes everything on a choice,
// on Escape from the first level, on a press anywhere outside its levels
// and when its form asks it to. While a menu is open the keys typed into
// the program go to its last level, so the form keeps the focus.

#include <memory>
#include <vector>

#include "platform/win/Messages.h"
#include "skin/data/SkinData.h"
#include "skin/form/MenuItemLooks.h"
#include "ui/Application.h"
#include "ui/Font.h"
#include "ui/Form.h"

class TbsSkinPopupWindow;
class TbsSkinMenuItem;
class TMenuItem;
class TTimer;

// Sent to the form and to the notified control when a menu closes, and
// (1229) to the notified control after a chosen item's command has run.
inline constexpr unsigned CloseSkinMenuMessage = 0x0400 + 204;
inline constexpr unsigned SkinMenuItemChosenMessage = 0x0400 + 205;

class TbsSkinMenu : public TComponent {
 public:
  TbsSkinMenu(TComponent* AOwner, TCustomForm* Form);
  ~TbsSkinMenu() override;

  bool UseSkinFontInMenu = true;
  bool MenusAlphaBlend = false;
  bool MenusAlphaBlendAnimation = false;
  unsigned char MenusAlphaBlendValue = 150;
  int DefMenuItemHeight() const { return FDefMenuItemHeight; }
  // Heights of 0 or less are ignored.
  void SetDefMenuItemHeight(int Value);
  TFont& DefMenuItemFont() { return FDefMenuItemFont; }

  // Opens the children of ParentItem from FirstIndex on at Anchor (screen
  // coordinates). Notified (may be null) hears when the menu closes.
  void PopupAt(TControl* Notified, TbsSkinData* Container, bool Upwards, TMenuItem* ParentItem,
               const gfx::Rect& Anchor, int FirstIndex);
  void OpenLevel(const gfx::Rect& Anchor, TMenuItem* Item, bool Upwards, bool Sublevel,
                 int FirstIndex);
  // Frees the levels from Depth on; 0 closes the menu.
  void CloseLevels(int Depth);
  void CloseAllLevels();
  // What an item does when it is entered (hovered or reached by the
  // keyboard) or chosen.
  void ItemAction(TbsSkinPopupWindow* Level, TbsSkinMenuItem* Item, bool ByKeyboard, bool Chosen);

  bool IsOpen() const { return FOpen; }
  int LevelCount() const { return static_cast<int>(FLevels.size()); }
  TbsSkinPopupWindow* Levels(int Index) const { return FLevels.at(Index).get(); }
  int LevelIndexOf(const TbsSkinPopupWindow* Level) const;
  TbsSkinData* Container() const { return FContainer; }
  const gfx::Rect& WorkArea() const { return FWorkArea; }
  TCustomForm* Form() const { return FForm; }
  bool OpeningFirstLevel() const { return FFirstOpen; }
  TTimer& SubmenuTimer() const { return *FSubmenuTimer; }
  TbsSkinMenuItem* PendingItem() const { return FPendingItem; }
  // The item looks the levels composed, kept for the next time they show.
  TbsMenuItemLooks& ItemLooks() { return FItemLooks; }

  // A key typed while the menu is open; the last level gets it. True when
  // the menu used it.
  bool HandleMenuKey(win::WORD Key);
  // Mouse input a level received while the menu holds the mouse: passed to
  // the level under the point, or closing the menu on a press outside.
  void RouteMouse(unsigned Message, gfx::Point Screen);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SubmenuTimerFired();
  void InstallHooks();
  void RemoveHooks();
  void FilterMessage(win::MSG& Msg, bool& Handled);
  void SendClosed(bool ToForm);
  TbsSkinPopupWindow* LevelAt(gfx::Point Screen) const;

  TCustomForm* FForm;
  int FDefMenuItemHeight = 20;
  TFont FDefMenuItemFont;
  std::vector<std::unique_ptr<TbsSkinPopupWindow>> FLevels;
  // Levels closed while one of their own handlers may still be running;
  // freed when the next menu opens or with the engine.
  std::vector<std::unique_ptr<TbsSkinPopupWindow>> FClosed;
  bool FOpen = false;
  bool FFirstOpen = false;
  gfx::Rect FWorkArea;
  TbsSkinData* FContainer = nullptr;
  TTimer* FSubmenuTimer = nullptr;
  TbsSkinMenuItem* FPendingItem = nullptr;
  TbsSkinPopupWindow* FPendingLevel = nullptr;
  TControl* FNotified = nullptr;
  bool FHooked = false;
  TMessageEvent FSavedOnMessage;
  TbsMenuItemLooks FItemLooks;
};
