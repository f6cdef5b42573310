#pragma once

// TbsSkinListBox: a list of texts in a skinned frame. An inner borderless
// list, drawn row by row here, holds the items and the selection; its own
// scroll bars are never shown. A skinned vertical bar beside the rows
// mirrors its scroll range whenever more items exist than fit. The frame,
// the rows and the bar come from the "listbox" record and the records it
// names; without a record the list has a plain look.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/ComboBoxLook.h"
#include "skin/controls/SkinControl.h"
#include "ui/ImageList.h"
#include "ui/ListBox.h"

class TbsSkinScrollBar;

// Draws the images of an image list before item texts.
class TbsImageListImages : public TbsItemImages {
 public:
  explicit TbsImageListImages(const TImageList& List) : FList(List) {}
  int Count() const override { return FList.Count(); }
  gfx::Size ImageSize() const override { return {FList.Width(), FList.Height()}; }
  void Draw(gfx::DeviceContext& dc, int index, int x, int y) const override;

 private:
  const TImageList& FList;
};

// Draws one item in place of the built-in image and text: the canvas of the
// row, the item, its text rectangle and its state.
using TbsDrawSkinItemEvent =
    std::function<void(TCanvas& Cnvs, int Index, TRect TextRect, TOwnerDrawState State)>;

class TbsSkinListBox : public TbsSkinCustomControl {
 public:
  explicit TbsSkinListBox(TComponent* AOwner);
  ~TbsSkinListBox() override;

  TStrings& Items();
  void SetItems(const std::vector<std::string>& Value);
  int ItemIndex() const;
  void SetItemIndex(int Value);
  int TopIndex() const;
  void SetTopIndex(int Value);
  bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
  void SetUseSkinItemHeight(bool Value);
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int Value);
  // When set, a skinned horizontal bar appears as soon as the widest item
  // is wider than the rows.
  // Sorted lists keep their items in the order the player's language
  // sorts them, letter case ignored; sorting keeps the chosen item.
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool HorizontalExtent() const { return FHorizontalExtent; }
  void SetHorizontalExtent(bool Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // The images as the item drawing uses them, or null.
  const TbsItemImages* ItemImages() const { return FItemImages.get(); }

  // The row height in use.
  int ItemHeight();
  // The height the list needs to show n rows.
  int HeightForRows(int Rows);
  // Where the rows are, in the list's client coordinates.
  TRect RowsRect();
  // The row (from the top visible one) under a client point, or -1.
  int RowAt(TPoint P);
  // The inner list, and the bars while they are shown (else null).
  TListBox* ListBox() const;
  TbsSkinScrollBar* ScrollBar() const;
  TbsSkinScrollBar* HScrollBar() const;

  void SetSkinData(TbsSkinData* Value) override;
  void ApplySkinChange() override;
  // Places the inner list and the bar in the frame and sets the row
  // height; called on resize and skin change.
  void UpdateLayout();

  TbsDrawSkinItemEvent OnDrawItem;
  // The user chose another item with the mouse or the keys.
  TNotifyEvent OnListBoxClick;
  // The rows scrolled, or their range changed.
  TNotifyEvent OnScroll;

 protected:
  // Every message of the inner list passes here first; true swallows it.
  virtual bool InnerListMessage(TMessage& Message);
  void PaintPlainLook(gfx::Bitmap& B) override;
  void PaintSkinLook(gfx::Bitmap& B) override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Resize() override;
  const TbsDataSkinListBox* ListRecord() const;

 private:
  class TInnerList;
  void DrawListItem(TCanvas& C, int Index, TRect Rect, TOwnerDrawState State);
  void UpdateScrollBar();
  int BarWidth();
  // The horizontal bar's height with its skin, for the bar alone or
  // beside the vertical one.
  int HBarHeight(bool Both);
  // The width the widest item takes in a row, images included.
  int WidestItem();
  // The width of "0" in the row font: the sideways scroll step.
  int ZeroWidth();
  gfx::Font RowFont();

  TInnerList* FListBox;
  TbsSkinScrollBar* FVScrollBar;
  TbsSkinScrollBar* FHScrollBar;
  bool FHorizontalExtent = false;
  bool FSorted = false;
  bool FUseSkinItemHeight = true;
  int FDefaultItemHeight = 20;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  std::unique_ptr<TbsImageListImages> FItemImages;
  // The texts as the row drawing reads them, refreshed before each paint.
  std::vector<std::string> FTexts;
  bool FLayingOut = false;
};
