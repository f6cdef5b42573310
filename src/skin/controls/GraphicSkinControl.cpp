#include "skin/controls/GraphicSkinControl.h"

TbsGraphicSkinControl::TbsGraphicSkinControl(TComponent* AOwner) : TGraphicControl(AOwner) {
  IncludeStyle(csOpaque);
}

TbsGraphicSkinControl::~TbsGraphicSkinControl() {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
}

void TbsGraphicSkinControl::SetSkinData(TbsSkinData* Value) {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD == nullptr)
    return;
  FSD->FreeNotification(this);
  if (!FSD->Empty && !ComponentState().Contains(csDesigning))
    ApplySkinChange();
}

void TbsGraphicSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FSD)
    FSD = nullptr;
}

void TbsGraphicSkinControl::ReadSkinRecord() {
  FIndex = FSD == nullptr || FSD->Empty ? -1 : FSD->IndexOfControlRecord(FSkinDataName);
}

void TbsGraphicSkinControl::ApplySkinChange() {
  ReadSkinRecord();
  Invalidate();
}

void TbsGraphicSkinControl::PaintPlainLook(gfx::Bitmap& B) {
  gfx::DeviceContext dc(B);
  dc.FillRect(B.Bounds(), gfx::clBtnFace);
}

void TbsGraphicSkinControl::Paint() {
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

void TbsGraphicSkinControl::WndProc(TMessage& Message) {
  TGraphicControl::WndProc(Message);
  if (ComponentState().Contains(csDesigning))
    return;
  if (Message.Msg == CM_MOUSEENTER && OnMouseEnter)
    OnMouseEnter(this);
  else if (Message.Msg == CM_MOUSELEAVE && OnMouseLeave)
    OnMouseLeave(this);
}
