#include "skin/controls/SkinScrollBar.h"

#include "platform/win/Constants.h"
#include "platform/win/VirtualKeys.h"

TbsSkinScrollBar::TbsSkinScrollBar(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner),
      FTimer(this, [this] { FBehaviour.TimerTick(); }),
      FBehaviour(FTimer) {
  SetSkinDataName("hscrollbar");
  ExcludeStyle(csClickEvents);
  SetBounds(Left(), Top(), 200, 19);
  SetDefaultHeight(19);
  FBehaviour.SetSize(Width(), Height());
  FBehaviour.Repaint = [this] { Invalidate(); };
  auto relay = [this](TNotifyEvent TbsSkinScrollBar::*event) {
    return [this, event] {
      if (this->*event)
        (this->*event)(this);
    };
  };
  FBehaviour.OnChange = relay(&TbsSkinScrollBar::OnChange);
  FBehaviour.OnLastChange = relay(&TbsSkinScrollBar::OnLastChange);
  FBehaviour.OnPageUp = relay(&TbsSkinScrollBar::OnPageUp);
  FBehaviour.OnPageDown = relay(&TbsSkinScrollBar::OnPageDown);
  // The button events, when set, replace the buttons' own steps.
  FBehaviour.OnUpButtonClick = nullptr;
  FBehaviour.OnDownButtonClick = nullptr;
}

const TbsDataSkinScrollBarControl* TbsSkinScrollBar::BarRecord() const {
  return dynamic_cast<const TbsDataSkinScrollBarControl*>(Record());
}

void TbsSkinScrollBar::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

void TbsSkinScrollBar::SetBoth(bool Value) {
  if (Value == Both())
    return;
  if (Value) {
    FSavedSkinDataName = SkinDataName();
    SetSkinDataName(FBothSkinDataName);
  } else {
    SetSkinDataName(FSavedSkinDataName);
  }
  FBehaviour.SetBoth(Value, -1);
  ReadSkinRecord();
  if (FIndex != -1)
    ApplySkinChange();
  else
    Invalidate();
}

void TbsSkinScrollBar::SetBothMarkerWidth(int Value) {
  if (Value >= 0)
    FBehaviour.SetBoth(Both(), Value);
}

void TbsSkinScrollBar::ReadSkinRecord() {
  TbsSkinCustomControl::ReadSkinRecord();
  FBehaviour.SetRecord(BarRecord());
}

void TbsSkinScrollBar::FitSizeToSkin(int& W, int& H) {
  TbsSkinCustomControl::FitSizeToSkin(W, H);
  FBehaviour.SetSize(W, H);
}

void TbsSkinScrollBar::Resize() {
  FBehaviour.SetSize(Width(), Height());
  TbsSkinCustomControl::Resize();
}

TbsScrollBarLookState TbsSkinScrollBar::LookState() const {
  return {.Enabled = Enabled(),
          .Dragging = FBehaviour.Dragging(),
          .FocusedLook = FCanFocused && Focused()};
}

void TbsSkinScrollBar::PaintPlainLook(gfx::Bitmap& B) {
  FBehaviour.SetRecord(nullptr);
  gfx::DeviceContext dc(B);
  PaintScrollBarPlainLook(dc, FBehaviour.Range(), FBehaviour.Layout(), LookState(), B.Width(),
                          B.Height());
}

void TbsSkinScrollBar::PaintSkinLook(gfx::Bitmap& B) {
  const auto* record = BarRecord();
  if (record == nullptr) {
    TbsSkinCustomControl::PaintSkinLook(B);
    return;
  }
  PaintScrollBarSkinLook(B, *FSD, *record, FBehaviour.Range(), FBehaviour.Layout(), LookState(),
                         Width(), Height());
}

void TbsSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FCanFocused && !Focused() && CanFocus())
    SetFocus();
  // The button events replace the steps only while they are set.
  FBehaviour.OnUpButtonClick =
      OnUpButtonClick ? std::function<void()>([this] { OnUpButtonClick(this); }) : nullptr;
  FBehaviour.OnDownButtonClick =
      OnDownButtonClick ? std::function<void()>([this] { OnDownButtonClick(this); }) : nullptr;
  FBehaviour.MouseDown({X, Y}, Button == mbLeft);
  TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TbsSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
  FBehaviour.MouseUp({X, Y}, Button == mbLeft);
}

void TbsSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  FBehaviour.MouseMove({X, Y});
  TbsSkinCustomControl::MouseMove(Shift, X, Y);
}

void TbsSkinScrollBar::MouseLeave() {
  FBehaviour.MouseLeave();
  TbsSkinCustomControl::MouseLeave();
}

void TbsSkinScrollBar::KeyDown(win::WORD& Key, TShiftState Shift) {
  TbsSkinCustomControl::KeyDown(Key, Shift);
  if (!FCanFocused)
    return;
  if (Key == win::VK_LEFT || Key == win::VK_UP)
    FBehaviour.KeyStep(-1);
  else if (Key == win::VK_RIGHT || Key == win::VK_DOWN)
    FBehaviour.KeyStep(+1);
}

void TbsSkinScrollBar::WndProc(TMessage& Message) {
  if (Message.Msg == win::WM_GETDLGCODE && FCanFocused) {
    Message.Result = win::DLGC_WANTARROWS;
    return;
  }
  if (Message.Msg == win::WM_MOUSEWHEEL && FCanFocused && Focused()) {
    // Toward the user (a negative delta) moves on.
    FBehaviour.KeyStep(win::GET_WHEEL_DELTA_WPARAM(Message.WParam) < 0 ? 1 : -1);
    Message.Result = 1;
    return;
  }
  TbsSkinCustomControl::WndProc(Message);
}
