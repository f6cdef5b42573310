#pragma once

// TbsSkinPopupMenu: a popup menu shown by the skinned menu engine. On a
// form with a skinned frame it opens through the frame's engine and skin;
// elsewhere through an engine of its own.

#include "skin/data/SkinData.h"
#include "ui/Menus.h"

class TbsSkinMenu;

class TbsSkinPopupMenu : public TPopupMenu {
 public:
  explicit TbsSkinPopupMenu(TComponent* AOwner);
  ~TbsSkinPopupMenu() override;

  // The skin of this menu; without one it takes its form's frame's menu
  // skin.
  TbsSkinData* SkinData() const { return FSD; }
  void SetSkinData(TbsSkinData* Value);
  // The form whose frame shows the menu; without one the owner, or the
  // owner's owner, when that is a form.
  TCustomForm* ComponentForm() const { return FComponentForm; }
  void SetComponentForm(TCustomForm* Value);

  // Fires OnPopup and opens the menu at the screen point; it stays open
  // while the program runs on, and a chosen item's OnClick runs once it
  // has closed.
  void Popup(int X, int Y) override;
  // The engine that showed the menu last, or null.
  TbsSkinMenu* Engine() const { return FEngine; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TCustomForm* FindForm() const;

  TbsSkinData* FSD = nullptr;
  TCustomForm* FComponentForm = nullptr;
  TbsSkinMenu* FOwnEngine = nullptr;  // owned as a component
  TbsSkinMenu* FEngine = nullptr;
};
