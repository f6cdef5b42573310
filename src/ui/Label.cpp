#include "ui/Label.h"

#include "platform/win/Win.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  StoreBounds(0, 0, 65, 17);
  SetParentColor(true);
  IncludeStyle(csOpaque);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (Value != FAlignment) {
    FAlignment = Value;
    Invalidate();
  }
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (Value != FAutoSize) {
    FAutoSize = Value;
    AdjustBounds();
  }
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (Value != FLayout) {
    FLayout = Value;
    Invalidate();
  }
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (Value != FWordWrap) {
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
  }
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (Value != FShowAccelChar) {
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
  }
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Value == FTransparent)
    return;
  FTransparent = Value;
  if (Value)
    ExcludeStyle(csOpaque);
  else
    IncludeStyle(csOpaque);
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  if (FFocusControl)
    FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (FFocusControl)
    FFocusControl->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FFocusControl)
    FFocusControl = nullptr;
}

void TCustomLabel::DoDrawText(TRect& Rect, unsigned Flags) {
  std::string text = GetLabelText();
  // An empty label still measures one line high.
  if ((Flags & gfx::DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&")))
    text += " ";
  if (!FShowAccelChar)
    Flags |= gfx::DT_NOPREFIX;
  TCanvas& c = Canvas();
  PrepareFont(c.Font());
  if (!Enabled() && !(Flags & gfx::DT_CALCRECT)) {
    // The classic disabled look: a highlight copy one pixel down and right
    // under a shadow copy.
    TRect shifted = Rect.Offset(1, 1);
    c.Font().SetColor(gfx::clBtnHighlight);
    c.DrawText(text, shifted, Flags);
    c.Font().SetColor(gfx::clBtnShadow);
    c.DrawText(text, Rect, Flags);
    return;
  }
  c.DrawText(text, Rect, Flags);
}

void TCustomLabel::Paint() {
  TCanvas& c = Canvas();
  TRect client = ClientRect();
  if (!FTransparent) {
    c.Brush().SetColor(Color());
    c.FillRect(client);
  }
  c.Brush().SetStyle(bsClear);
  unsigned flags = gfx::DT_EXPANDTABS | (FWordWrap ? gfx::DT_WORDBREAK : 0u);
  if (FAlignment == taRightJustify)
    flags |= gfx::DT_RIGHT;
  else if (FAlignment == taCenter)
    flags |= gfx::DT_CENTER;
  TRect rect = client;
  if (FLayout != tlTop) {
    TRect calc = client;
    DoDrawText(calc, flags | gfx::DT_CALCRECT);
    int dy = client.Height() - calc.Height();
    rect = rect.Offset(0, FLayout == tlBottom ? dy : dy / 2);
  }
  DoDrawText(rect, flags);
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csLoading))
    return;
  TRect rect = ClientRect();
  if (!FWordWrap)
    rect.right = rect.left;
  // Measured without a paint context: the canvas measures on a scratch
  // surface with the label's font.
  DoDrawText(rect, gfx::DT_EXPANDTABS | gfx::DT_CALCRECT | (FWordWrap ? gfx::DT_WORDBREAK : 0u));
  int x = Left();
  if (FAlignment == taRightJustify)
    x += Width() - rect.right;
  SetBounds(x, Top(), rect.right, rect.bottom);
}

void TCustomLabel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustBounds();
      Invalidate();
      return;
    case CM_DIALOGCHAR:
      if (FFocusControl && Enabled() && FShowAccelChar &&
          IsAccel(static_cast<unsigned>(Message.WParam), Caption()) && FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
      }
      return;
    default:
      TGraphicControl::WndProc(Message);
  }
}
