#pragma once

// The gallery form: a label, an image, bevels, an owner-drawn list box with
// an image list, a popup menu, hints, a timer and push buttons (the one
// windowed control the framework leaves to the skin, drawn plainly here),
// one of which opens a modal dialog.

#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Menus.h"
#include "ui/Timer.h"

class TGalleryButton;

class TGalleryForm : public TForm {
 public:
  explicit TGalleryForm(TComponent* AOwner);

  TLabel* lblTitle;
  TLabel* lblList;
  TLabel* lblStatus;
  TImage* imgPreview;
  TBevel* bvlPreview;
  TBevel* bvlLine;
  TListBox* lstItems;
  TImageList* ilstStars;
  TPopupMenu* pmnForm;
  TTimer* tmrClock;
  TGalleryButton* btnModal;
  TGalleryButton* btnClose;

 private:
  void lstItemsDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
  void btnModalClick(TObject* Sender);
  int FTicks = 0;
};

// A plain push button: a classic raised face that sinks while pressed,
// clicked by the mouse, by Space, as the default button by Enter, and by
// its accelerator.
class TGalleryButton : public TCustomControl {
 public:
  TGalleryButton(TComponent* AOwner, TWinControl* AParent, const std::string& ACaption);
  bool Default = false;
  bool Cancel = false;
  TModalResult ModalResult = mrNone;
  void Click() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void KeyDown(win::WORD& Key, TShiftState Shift) override;

 private:
  bool FDown = false;
};
