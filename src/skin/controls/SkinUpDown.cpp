#include "skin/controls/SkinUpDown.h"

TbsSkinUpDown::TbsSkinUpDown(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner),
      FTimer(this, [this] { FBehaviour.TimerTick(); }),
      FBehaviour(FTimer) {
  SetSkinDataName("hupdown");
  SetBounds(Left(), Top(), 50, 25);
  FBehaviour.Repaint = [this] { Invalidate(); };
  FBehaviour.OnChange = [this] {
    if (OnChange && !ComponentState().Contains(csDesigning))
      OnChange(this);
  };
  FBehaviour.OnUpButtonClick = [this] {
    if (OnUpButtonClick)
      OnUpButtonClick(this);
  };
  FBehaviour.OnDownButtonClick = [this] {
    if (OnDownButtonClick)
      OnDownButtonClick(this);
  };
}

const TbsDataSkinUpDownControl* TbsSkinUpDown::UpDownRecord() const {
  return dynamic_cast<const TbsDataSkinUpDownControl*>(Record());
}

void TbsSkinUpDown::SetOrientation(TbsUpDownOrientation Value) {
  FOrientation = Value;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    SetSkinDataName(Value == udVertical ? "vupdown" : "hupdown");
  Layout();
  Invalidate();
}

void TbsSkinUpDown::Layout() {
  LayoutUpDownButtons(FBehaviour.Buttons(), UpDownRecord(), FOrientation, Width(), Height());
}

void TbsSkinUpDown::ReadSkinRecord() {
  TbsSkinCustomControl::ReadSkinRecord();
  // The up-down shows its picture at its own size, whatever the record's
  // corner points say.
  if (FIndex != -1 && FGeometry.tileMode != TbsTileMode::None)
    FGeometry.tileMode = TbsTileMode::Fixed;
  Layout();
}

void TbsSkinUpDown::Resize() {
  Layout();
  TbsSkinCustomControl::Resize();
}

void TbsSkinUpDown::PaintPlainLook(gfx::Bitmap& B) {
  Layout();
  gfx::DeviceContext dc(B);
  dc.FillRect(B.Bounds(), gfx::clBtnFace);
  PaintUpDownPlainLook(dc, FOrientation, FBehaviour.Buttons());
}

void TbsSkinUpDown::PaintSkinLook(gfx::Bitmap& B) {
  if (const auto* record = UpDownRecord())
    PaintUpDownSkinLook(B, *FSD, *record, FBehaviour.Buttons());
  else
    TbsSkinCustomControl::PaintSkinLook(B);
}

void TbsSkinUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FBehaviour.MouseDown({X, Y});
  TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TbsSkinUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FBehaviour.MouseUp({X, Y});
  TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinUpDown::MouseMove(TShiftState Shift, int X, int Y) {
  FBehaviour.MouseMove({X, Y});
  TbsSkinCustomControl::MouseMove(Shift, X, Y);
}

void TbsSkinUpDown::MouseEnter() {
  FBehaviour.MouseEnter();
  TbsSkinCustomControl::MouseEnter();
}

void TbsSkinUpDown::MouseLeave() {
  FBehaviour.MouseLeave();
  TbsSkinCustomControl::MouseLeave();
}
