#include "skin/controls/SkinControl.h"

#include "platform/win/PaintApi.h"
#include "skin/controls/PlainLook.h"

TbsSkinControl::TbsSkinControl(TComponent* AOwner) : TCustomControl(AOwner) {}

TbsSkinControl::~TbsSkinControl() {
  SetSkinData(nullptr);
}

void TbsSkinControl::SetSkinData(TbsSkinData* Value) {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD == nullptr)
    return;
  FSD->FreeNotification(this);
  if (!FSD->Empty && !ComponentState().Contains(csDesigning))
    ApplySkinChange();
}

void TbsSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FSD)
    FSD = nullptr;
}

void TbsSkinControl::ReadSkinRecord() {
  FIndex = FSD == nullptr || FSD->Empty ? -1 : FSD->IndexOfControlRecord(FSkinDataName);
}

const TbsDataSkinControl* TbsSkinControl::Record() const {
  if (FSD == nullptr || FIndex < 0 || FIndex >= static_cast<int>(FSD->ControlRecords.size()))
    return nullptr;
  return FSD->ControlRecords[static_cast<size_t>(FIndex)].get();
}

void TbsSkinControl::ApplySkinChange() {
  ReadSkinRecord();
  Invalidate();
}

void TbsSkinControl::PaintPlainLook(gfx::Bitmap& B) {
  gfx::DeviceContext dc(B);
  dc.FillRect(B.Bounds(), gfx::clBtnFace);
}

void TbsSkinControl::PaintSkinLook(gfx::Bitmap& B) {
  PaintPlainLook(B);
}

void TbsSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0)
    return;
  ReadSkinRecord();
  gfx::Bitmap B(Width(), Height());
  if (FIndex == -1)
    PaintPlainLook(B);
  else
    PaintSkinLook(B);
  if (Canvas().HandleAllocated())
    Canvas().Handle()->DrawBitmap(0, 0, B);
}

void TbsSkinControl::MouseEnter() {
  if (OnMouseEnter && !ComponentState().Contains(csDesigning))
    OnMouseEnter(this);
}

void TbsSkinControl::MouseLeave() {
  if (OnMouseLeave && !ComponentState().Contains(csDesigning))
    OnMouseLeave(this);
}

void TbsSkinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case win::WM_ERASEBKGND:
      // The off-screen picture covers the whole client area.
      Message.Result = 1;
      return;
    case CM_MOUSEENTER:
      TCustomControl::WndProc(Message);
      MouseEnter();
      return;
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(Message);
      MouseLeave();
      return;
    default:
      TCustomControl::WndProc(Message);
  }
}

// -- TbsSkinCustomControl ---------------------------------------------------

TbsSkinCustomControl::TbsSkinCustomControl(TComponent* AOwner) : TbsSkinControl(AOwner) {
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  FDefaultFont.OnChange = [this](TObject*) {
    DefaultFontChanged();
    if (FIndex == -1)
      Invalidate();
  };
}

void TbsSkinCustomControl::SetDefaultWidth(int Value) {
  FDefaultWidth = Value;
  if (FIndex == -1 && Value > 0)
    SetWidth(Value);
}

void TbsSkinCustomControl::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (FIndex == -1 && Value > 0)
    SetHeight(Value);
}

void TbsSkinCustomControl::ReadSkinRecord() {
  TbsSkinControl::ReadSkinRecord();
  FPicture = nullptr;
  FMaskPicture = nullptr;
  const TbsDataSkinControl* record = Record();
  if (record == nullptr)
    return;
  FGeometry = TbsSkinGeometry::FromRecord(*record);
  if (dynamic_cast<const TbsDataSkinCustomControl*>(record) == nullptr) {
    // A record of another kind: bound, but with nothing to fit.
    FGeometry.tileMode = TbsTileMode::Fixed;
    return;
  }
  FPicture = FSD->ActivePicture(record->pictureindex);
  FMaskPicture = FSD->ActivePicture(record->maskpictureindex);
  FSized = SizedGeometry(FGeometry, Width(), Height());
}

void TbsSkinCustomControl::FitSizeToSkin(int& W, int& H) {
  FSized = ::FitSizeToSkin(FGeometry, W, H);
}

void TbsSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  ReadSkinRecord();
  const bool fit = FIndex != -1 && (AWidth != Width() || AHeight != Height());
  if (fit)
    FitSizeToSkin(AWidth, AHeight);
  TbsSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (fit) {
    UpdateShapeRegion();
    Invalidate();
  }
}

void TbsSkinCustomControl::ApplySkinChange() {
  ReadSkinRecord();
  bool resized = false;
  if (FIndex == -1) {
    if (FDefaultWidth > 0)
      SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0)
      SetHeight(FDefaultHeight);
  } else {
    int W = Width(), H = Height();
    FitSizeToSkin(W, H);
    if (W != Width() || H != Height()) {
      resized = true;
      SetBounds(Left(), Top(), W, H);
    }
  }
  if (!resized) {
    UpdateShapeRegion();
    Invalidate();
  }
}

void TbsSkinCustomControl::UpdateShapeRegion() {
  std::optional<gfx::Region> region;
  if (FIndex != -1 && FMaskPicture != nullptr)
    region = ShapeRegionFromMask(FMaskPicture, FGeometry, Width(), Height());
  if (!region && !FRegion)
    return;
  FRegion = region;
  if (HandleAllocated())
    win::SetWindowRgn(Handle(), FRegion, true);
}

void TbsSkinCustomControl::PaintSkinLook(gfx::Bitmap& B) {
  if (FGeometry.tileMode == TbsTileMode::None)
    return;
  ComposeSkinPicture(B, FPicture, FGeometry.skinrect, FGeometry, Width(), Height());
}

gfx::Font TbsSkinCustomControl::SkinOrDefaultFont(const std::string& Name, int Height,
                                                  const TbsFontStyles& Style) const {
  if (FUseSkinFont && FIndex != -1)
    return MakeSkinFont(Name, Height, Style);
  return FDefaultFont.Handle();
}
