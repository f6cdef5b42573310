#pragma once

// TbsSkinComboBox: the drop-down selector of the browser window, with its
// drop-down list TbsPopupListBox. The closed box draws its item and button
// from the "combobox" record; the list draws its frame and rows from the
// record the combo box record names ("listbox"), with a skinned scroll bar
// when more items exist than rows.

#include <string>
#include <vector>

#include "skin/controls/ComboBoxBehaviour.h"
#include "skin/controls/ComboBoxLook.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinListBox.h"
#include "ui/Application.h"
#include "ui/ImageList.h"

class TbsSkinComboBox;
class TbsSkinScrollBar;

// The list that drops down: a skinned list box in a popup tool window that
// never takes the focus nor activation, keeping the mouse presses on its
// rows to itself; a left release on it chooses.
class TbsPopupListBox : public TbsSkinListBox {
 public:
  TbsPopupListBox(TComponent* AOwner, TbsSkinComboBox* Box);

  // Shows the list at Rect (screen coordinates) above other windows,
  // without activating it.
  void ShowAt(const TRect& Rect);
  void HideList();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  bool InnerListMessage(TMessage& Message) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TbsSkinComboBox* FBox;
};

class TbsSkinComboBox : public TbsSkinCustomControl {
 public:
  explicit TbsSkinComboBox(TComponent* AOwner);
  ~TbsSkinComboBox() override;

  const std::vector<std::string>& Items() const { return FBehaviour.Items(); }
  void SetItems(const std::vector<std::string>& Value);
  int ItemIndex() const { return FBehaviour.ItemIndex(); }
  void SetItemIndex(int Value) { FBehaviour.SetItemIndex(Value); }
  const std::string& ItemText() const { return FBehaviour.Text(); }
  int DropDownCount() const { return FBehaviour.DropDownCount(); }
  void SetDropDownCount(int Value) { FBehaviour.SetDropDownCount(Value); }
  bool AutoComplete() const { return FBehaviour.AutoComplete; }
  void SetAutoComplete(bool Value) { FBehaviour.AutoComplete = Value; }
  TImageList* Images() const { return FListBox->Images(); }
  void SetImages(TImageList* Value);
  int ImageIndex() const { return FListBox->ImageIndex(); }
  void SetImageIndex(int Value);
  bool ListBoxUseSkinItemHeight() const { return FListBox->UseSkinItemHeight(); }
  void SetListBoxUseSkinItemHeight(bool Value) { FListBox->SetUseSkinItemHeight(Value); }
  int ListBoxDefaultItemHeight() const { return FListBox->DefaultItemHeight(); }
  void SetListBoxDefaultItemHeight(int Value) { FListBox->SetDefaultItemHeight(Value); }
  bool ListBoxUseSkinFont() const { return FListBox->UseSkinFont(); }
  void SetListBoxUseSkinFont(bool Value) { FListBox->SetUseSkinFont(Value); }
  TFont& ListBoxDefaultFont() { return FListBox->DefaultFont(); }
  bool HorizontalExtent() const { return FListBox->HorizontalExtent(); }
  void SetHorizontalExtent(bool Value) { FListBox->SetHorizontalExtent(Value); }
  bool Sorted() const { return FBehaviour.Sorted(); }
  void SetSorted(bool Value);
  // The list's own item drawing.
  const TbsDrawSkinItemEvent& OnListBoxDrawItem() const { return FListBox->OnDrawItem; }
  void SetOnListBoxDrawItem(TbsDrawSkinItemEvent Value) { FListBox->OnDrawItem = std::move(Value); }

  bool ListOpen() const { return FBehaviour.ListOpen(); }
  TbsPopupListBox* ListBox() const { return FListBox; }
  const TbsComboBoxBehaviour& Behaviour() const { return FBehaviour; }
  TbsComboBoxAreas Areas();

  void OpenList() { FBehaviour.OpenList(); }
  void CloseList(bool Accept) { FBehaviour.CloseList(Accept); }
  void ApplySkinChange() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;
  // Draws the item in the closed box instead of its image and text, given
  // the text rectangle; the state holds odFocused while the box has focus.
  TbsDrawSkinItemEvent OnComboBoxDrawItem;

 protected:
  void PaintPlainLook(gfx::Bitmap& B) override;
  void PaintSkinLook(gfx::Bitmap& B) override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void KeyDown(win::WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;
  // The box's own font follows the default font.
  void DefaultFontChanged() override;

 private:
  friend class TbsPopupListBox;
  const TbsDataSkinComboBox* ComboRecord() const;
  TbsItemContent Content() const;
  TbsComboBoxLookState LookState();
  TbsItemDrawer ItemDrawer();
  void PlaceAndShowList();
  // The list row under a client point of the box, or -1.
  int ListRowAtBoxPoint(int X, int Y);
  // Shows the open list's selection and first row as the behaviour has
  // them.
  void SyncList();
  // The box, its list, and the list's inner parts.
  bool OwnsControl(const TControl* Control) const;

  TbsComboBoxBehaviour FBehaviour;
  TbsPopupListBox* FListBox;
  bool FSyncing = false;
};
