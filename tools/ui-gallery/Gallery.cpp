#include "Gallery.h"

#include <string>

#include "platform/win/Win.h"
#include "ui/Application.h"

namespace {

// A small landscape drawn from shapes, so that the image control has
// something to show without files.
void DrawPreview(TBitmap& bmp) {
  bmp.SetSize(150, 150);
  TCanvas& c = bmp.Canvas();
  for (int y = 0; y < 150; ++y) {
    c.Pen().SetColor(gfx::RGB(120 + y / 3, 178 + y / 6, 176 + y / 8));
    c.MoveTo(0, y);
    c.LineTo(150, y);
  }
  c.Brush().SetColor(gfx::RGB(96, 64, 40));
  c.FillRect({0, 110, 150, 150});
  c.Brush().SetColor(gfx::RGB(46, 120, 128));
  c.FillRect({0, 120, 150, 132});
  c.Brush().SetColor(gfx::RGB(244, 236, 220));
  c.FillRect({100, 20, 124, 44});
}

// Five strips of one to five stars, 80 x 17 each, side by side.
void DrawStars(TBitmap& bmp) {
  bmp.SetSize(400, 17);
  TCanvas& c = bmp.Canvas();
  c.Brush().SetColor(gfx::clWindow);
  c.FillRect({0, 0, 400, 17});
  for (int cell = 0; cell < 5; ++cell)
    for (int star = 0; star <= cell; ++star) {
      int x = cell * 80 + 2 + star * 15;
      c.Brush().SetColor(gfx::RGB(200, 40, 40));
      c.FillRect({x + 5, 2, x + 8, 15});
      c.FillRect({x, 6, x + 13, 9});
      c.FillRect({x + 2, 4, x + 11, 12});
    }
}

}  // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) {
  SetName("GalleryForm");
  SetCaption("Tilebrook - component gallery");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu, biMinimize});
  SetPosition(poScreenCenter);
  SetClientSize(420, 300);
  Font().SetName("MS Sans Serif");

  lblTitle = new TLabel(this);
  lblTitle->SetParent(this);
  lblTitle->SetBounds(12, 10, 0, 0);
  lblTitle->Font().SetHeight(-16);
  lblTitle->Font().SetStyle({fsBold});
  lblTitle->SetCaption("Component gallery");

  bvlLine = new TBevel(this);
  bvlLine->SetParent(this);
  bvlLine->SetShape(bsTopLine);
  bvlLine->SetBounds(12, 34, 396, 2);

  bvlPreview = new TBevel(this);
  bvlPreview->SetParent(this);
  bvlPreview->SetShape(bsFrame);
  bvlPreview->SetBounds(12, 46, 160, 160);

  imgPreview = new TImage(this);
  imgPreview->SetParent(this);
  imgPreview->SetBounds(17, 51, 150, 150);
  imgPreview->SetCenter(true);
  DrawPreview(imgPreview->Picture().Bitmap());
  imgPreview->SetHint("A picture drawn by the gallery|Centred in a frame bevel");
  imgPreview->SetShowHint(true);

  ilstStars = new TImageList(this);
  ilstStars->SetWidth(80);
  ilstStars->SetHeight(17);
  TBitmap stars;
  DrawStars(stars);
  ilstStars->Add(stars);

  lblList = new TLabel(this);
  lblList->SetParent(this);
  lblList->SetBounds(188, 46, 0, 0);
  lblList->SetCaption("&Severity / Schwierigkeitsgrad:");

  lstItems = new TListBox(this);
  lstItems->SetParent(this);
  lstItems->SetBounds(188, 64, 220, 142);
  lstItems->SetStyle(lbOwnerDrawFixed);
  lstItems->SetItemHeight(20);
  for (const char* name : {"Beginner", "Intermediate", "Expert", "Guru", "Maniac", "Beginner (2)",
                           "Intermediate (2)", "Expert (2)", "Guru (2)", "Maniac (2)"})
    lstItems->Items().Add(name);
  lstItems->SetItemIndex(1);
  lstItems->OnDrawItem = [this](TWinControl* c, int i, TRect r, TOwnerDrawState s) {
    lstItemsDrawItem(c, i, r, s);
  };
  lstItems->OnClick = [this](TObject*) {
    lblStatus->SetCaption("Chosen: " + lstItems->Items()[lstItems->ItemIndex()]);
  };
  lstItems->SetHint("Owner-drawn rows with an image list");
  lstItems->SetShowHint(true);
  lblList->SetFocusControl(lstItems);

  btnModal = new TGalleryButton(this, this, "&Dialog...");
  btnModal->SetBounds(12, 260, 90, 24);
  btnModal->OnClick = [this](TObject* s) { btnModalClick(s); };
  btnModal->SetHint("Opens a modal dialog");
  btnModal->SetShowHint(true);

  btnClose = new TGalleryButton(this, this, "&Close");
  btnClose->SetBounds(318, 260, 90, 24);
  btnClose->Default = true;
  btnClose->OnClick = [this](TObject*) { Close(); };

  lblStatus = new TLabel(this);
  lblStatus->SetParent(this);
  lblStatus->SetBounds(12, 222, 0, 0);
  lblStatus->SetCaption("Right-click for the menu; Tab moves; Alt+S chooses the list.");

  pmnForm = new TPopupMenu(this);
  for (const char* caption : {"Mi&nimize", "Ro&llUp", "-", "&Close"}) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    pmnForm->Items().Add(item);
  }
  pmnForm->Items().Items(0)->OnClick = [](TObject*) { Application->Minimize(); };
  pmnForm->Items().Items(1)->SetEnabled(false);
  pmnForm->Items().Items(3)->SetShortCut(scAlt | win::VK_F4);
  pmnForm->Items().Items(3)->OnClick = [this](TObject*) { Close(); };
  SetPopupMenu(pmnForm);

  tmrClock = new TTimer(this);
  tmrClock->SetInterval(1000);
  tmrClock->SetOnTimer([this](TObject*) {
    ++FTicks;
    SetCaption("Tilebrook - component gallery (" + std::to_string(FTicks) + " s)");
  });

  SetActiveControl(lstItems);
}

void TGalleryForm::lstItemsDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas& c = lstItems->Canvas();
  c.FillRect(Rect);
  ilstStars->Draw(c, Rect.left + 2, Rect.top + 1, Index % 5);
  c.Brush().SetStyle(bsClear);
  c.TextOut(Rect.left + 88, Rect.top + 3, lstItems->Items()[Index]);
  if (State.Contains(odFocused))
    c.FrameRect(Rect);
}

void TGalleryForm::btnModalClick(TObject*) {
  TForm dialog(nullptr);
  dialog.SetCaption("A modal dialog");
  dialog.SetBorderStyle(bsDialog);
  dialog.SetPosition(poMainFormCenter);
  dialog.SetClientSize(260, 90);
  auto* text = new TLabel(&dialog);
  text->SetParent(&dialog);
  // Sized by hand: an automatically sized label would take the width of
  // its first, empty caption.
  text->SetAutoSize(false);
  text->SetWordWrap(true);
  text->SetBounds(12, 12, 236, 30);
  text->SetCaption("Every other window is disabled until this one closes.");
  auto* ok = new TGalleryButton(&dialog, &dialog, "OK");
  ok->SetBounds(86, 56, 80, 24);
  ok->Default = true;
  ok->ModalResult = mrOk;
  auto* cancel = new TGalleryButton(&dialog, &dialog, "Cancel");
  cancel->SetBounds(172, 56, 80, 24);
  cancel->Cancel = true;
  cancel->ModalResult = mrCancel;
  dialog.SetActiveControl(ok);
  TModalResult result = dialog.ShowModal();
  lblStatus->SetCaption(result == mrOk ? "The dialog said OK." : "The dialog was cancelled.");
}

// -- TGalleryButton ------------------------------------------------------------

TGalleryButton::TGalleryButton(TComponent* AOwner, TWinControl* AParent,
                               const std::string& ACaption)
    : TCustomControl(AOwner) {
  SetCaption(ACaption);
  SetTabStop(true);
  SetColor(gfx::clBtnFace);
  SetParent(AParent);
}

void TGalleryButton::Click() {
  if (ModalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this))
      form->SetModalResult(ModalResult);
  TCustomControl::Click();
}

void TGalleryButton::Paint() {
  TCanvas& c = Canvas();
  TRect r = ClientRect();
  bool focused = Focused();
  c.Brush().SetColor(gfx::clBtnFace);
  c.FillRect(r);
  TColor light = FDown ? gfx::cl3DDkShadow : gfx::clBtnHighlight;
  TColor dark = FDown ? gfx::clBtnHighlight : gfx::cl3DDkShadow;
  if (Default || focused) {
    c.Brush().SetColor(gfx::clBlack);
    c.FrameRect(r);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
  c.Pen().SetColor(light);
  c.MoveTo(r.left, r.bottom - 1);
  c.LineTo(r.left, r.top);
  c.LineTo(r.right - 1, r.top);
  c.Pen().SetColor(dark);
  c.LineTo(r.right - 1, r.bottom - 1);
  c.LineTo(r.left - 1, r.bottom - 1);
  TRect text = r.Offset(FDown ? 1 : 0, FDown ? 1 : 0);
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(Enabled() ? gfx::clBtnText : gfx::clGrayText);
  c.DrawText(Caption(), text, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

void TGalleryButton::KeyDown(win::WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == win::VK_SPACE)
    Click();
}

void TGalleryButton::WndProc(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (CanFocus())
        SetFocus();
      FDown = true;
      Invalidate();
      break;
    case WM_LBUTTONUP:
      FDown = false;
      Invalidate();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    case WM_GETDLGCODE:
      m.Result = 0;
      return;
    case CM_DIALOGKEY:
      if ((m.WParam == VK_RETURN && Default) || (m.WParam == VK_ESCAPE && Cancel)) {
        Click();
        m.Result = 1;
      }
      return;
    case CM_DIALOGCHAR:
      if (Enabled() && Visible() && IsAccel(static_cast<unsigned>(m.WParam), Caption())) {
        Click();
        m.Result = 1;
      }
      return;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}
