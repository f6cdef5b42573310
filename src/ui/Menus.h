#pragma once

// Menu items and popup menus. An item has a caption ("-" makes a
// separator), a shortcut, check and radio marks, an image and sub-items,
// which it owns. A popup menu is shown at a screen point; the platform's
// plain menu window shows it unless a derived menu (a skinned one) shows
// it itself.

#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Form.h"
#include "ui/Types.h"

class TImageList;

// "Ctrl+S", "Alt+F4", "Shift+Del"; an empty text for 0.
std::string ShortCutToText(TShortCut ShortCut);
// The reverse of ShortCutToText (letter case ignored); 0 when the text is
// no shortcut.
TShortCut TextToShortCut(const std::string& Text);
TShortCut ShortCut(win::WORD Key, TShiftState Shift);

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  bool IsLine() const { return FCaption == "-"; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value) { FShortCut = Value; }
  std::string ShortCutText() const { return ShortCutToText(FShortCut); }
  // Checking a radio item unchecks the other radio items of its group.
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value) { FRadioItem = Value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  // A clicked item with AutoCheck toggles (a radio item: becomes) checked.
  bool AutoCheck = false;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  std::string Hint;

  // Sub-items, owned by this item.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(Index); }
  TMenuItem* Parent() const { return FParent; }
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  // Takes the item out without freeing it.
  void Remove(TMenuItem* Item);
  // Frees the item at Index.
  void Delete(int Index);
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
  // The first sub-item whose caption, without "&" marks, matches (letter
  // case ignored).
  TMenuItem* Find(const std::string& ACaption) const;
  int VisibleCount() const;

  virtual void Click();
  TNotifyEvent OnClick;

 private:
  std::string FCaption;
  TShortCut FShortCut = 0;
  bool FChecked = false;
  bool FRadioItem = false;
  int FGroupIndex = 0;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  int FImageIndex = -1;
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // The root item; its sub-items are the menu.
  TMenuItem& Items() { return *FItems; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  // The control whose context menu this popup is showing as.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);

  // Fires OnPopup, then shows the menu at the screen point and returns
  // once it is closed; a chosen item's Click has run by then.
  virtual void Popup(int X, int Y);
  // Clicks the enabled, visible item with this shortcut, at any depth.
  bool IsShortCut(TShortCut ShortCut);
  // The item with this shortcut, or null.
  TMenuItem* FindItem(TShortCut ShortCut) const;

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void DoPopup();

 private:
  TMenuItem* FItems;
  TImageList* FImages = nullptr;
  TComponent* FPopupComponent = nullptr;
  bool FAutoPopup = true;
};
