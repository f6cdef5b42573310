#pragma once

// TbsSkinComboBox: the drop-down selector of the browser window, with its
// drop-down list TbsPopupListBox. The closed box draws its item and button
// from the "combobox" record; the list draws its frame and rows from the
// record the combo box record names ("listbox"), with a skinned scroll bar
// when more items exist than rows.

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/ComboBoxBehaviour.h"
#include "skin/controls/ComboBoxLook.h"
#include "skin/controls/SkinControl.h"
#include "ui/Application.h"
#include "ui/ImageList.h"

class TbsSkinComboBox;
class TbsSkinScrollBar;

// The list that drops down: a popup tool window that never takes the
// focus, drawing its rows itself.
class TbsPopupListBox : public TbsSkinCustomControl {
 public:
  TbsPopupListBox(TComponent* AOwner, TbsSkinComboBox* Box);

  bool UseSkinItemHeight = true;
  int DefaultItemHeight = 20;
  int ItemHeight();
  // The height for n rows.
  int HeightForRows(int Rows);
  // Where the rows are, in the list's client coordinates.
  TRect RowsRect();
  // The row (from the top visible one) under a client point, or -1.
  int RowAt(TPoint P);
  // Shows the list at Rect (screen coordinates) above other windows,
  // without activating it; sets up the scroll bar.
  void ShowAt(const TRect& Rect);
  void HideList();
  TbsSkinScrollBar* ScrollBar() const { return FScrollBar; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void PaintPlainLook(gfx::Bitmap& B) override;
  void PaintSkinLook(gfx::Bitmap& B) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  const TbsDataSkinListBox* ListRecord() const;
  void PaintRows(gfx::Bitmap& B);
  void UpdateScrollBar();

  TbsSkinComboBox* FBox;
  TbsSkinScrollBar* FScrollBar = nullptr;
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
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool ListBoxUseSkinItemHeight() const { return FListBox->UseSkinItemHeight; }
  void SetListBoxUseSkinItemHeight(bool Value) { FListBox->UseSkinItemHeight = Value; }
  int ListBoxDefaultItemHeight() const { return FListBox->DefaultItemHeight; }
  void SetListBoxDefaultItemHeight(int Value) { FListBox->DefaultItemHeight = Value; }
  bool ListBoxUseSkinFont() const { return FListBox->UseSkinFont(); }
  void SetListBoxUseSkinFont(bool Value) { FListBox->SetUseSkinFont(Value); }
  TFont& ListBoxDefaultFont() { return FListBox->DefaultFont(); }

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

 protected:
  void PaintPlainLook(gfx::Bitmap& B) override;
  void PaintSkinLook(gfx::Bitmap& B) override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void KeyDown(win::WORD& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoExit() override;

 private:
  friend class TbsPopupListBox;
  class ImageListAdapter;
  const TbsDataSkinComboBox* ComboRecord() const;
  TbsItemContent Content() const;
  TbsComboBoxLookState LookState();
  void PlaceAndShowList();
  // The list row under a client point of the box, or -1.
  int ListRowAtBoxPoint(int X, int Y);
  // While the list is open, a press on any other window of the program
  // closes it; the application's message hook watches for that.
  void WatchPresses(bool On);
  bool OwnsWindow(win::HWND Wnd);

  TbsComboBoxBehaviour FBehaviour;
  TbsPopupListBox* FListBox;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  std::unique_ptr<ImageListAdapter> FImageAdapter;
  bool FWatching = false;
  TMessageEvent FSavedOnMessage;
};
