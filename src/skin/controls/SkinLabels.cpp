#include "skin/controls/SkinLabels.h"

#include "platform/sys/Process.h"
#include "skin/data/SkinFont.h"

namespace {

int RecordIndex(const TbsSkinData* sd, const std::string& name) {
  return sd == nullptr || sd->Empty ? -1 : sd->IndexOfControlRecord(name);
}

}  // namespace

// -- TbsSkinStdLabel ----------------------------------------------------------

TbsSkinStdLabel::TbsSkinStdLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
  SetTransparent(true);
}

TbsSkinStdLabel::~TbsSkinStdLabel() {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
}

void TbsSkinStdLabel::SetSkinData(TbsSkinData* Value) {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD != nullptr) {
    FSD->FreeNotification(this);
    SkinRefresh();
  }
}

void TbsSkinStdLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomLabel::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FSD)
    FSD = nullptr;
}

void TbsSkinStdLabel::ReadSkinRecord() {
  FIndex = RecordIndex(FSD, FSkinDataName);
  if (FIndex == -1)
    return;
  const auto* record =
      dynamic_cast<const TbsDataSkinStdLabelControl*>(FSD->ControlRecords[FIndex].get());
  if (record == nullptr)
    return;
  FFontName = record->fontname;
  FFontHeight = record->fontheight;
  FFontStyle = record->fontstyle;
  FFontColor = record->fontcolor;
  FActiveFontColor = record->activefontcolor;
}

void TbsSkinStdLabel::SkinRefresh() {
  ReadSkinRecord();
  AdjustBounds();
  Invalidate();
}

void TbsSkinStdLabel::PrepareFont(TFont& F) {
  if (FIndex == -1) {
    F.Assign(FUseSkinFont ? FDefaultFont : Font());
    return;
  }
  if (FUseSkinFont) {
    F.Assign(FDefaultFont);  // the charset
    F.SetName(FFontName);
    F.SetHeight(FFontHeight);
    F.SetStyle(ToFontStyles(FFontStyle));
  } else {
    F.Assign(Font());
  }
  // The record's colour wins over the label's own.
  F.SetColor(FFontColor);
}

void TbsSkinStdLabel::DoDrawText(TRect& Rect, unsigned Flags) {
  // The record is looked up again at every drawing, so a skin change or a
  // freed container is never seen through a stale index.
  ReadSkinRecord();
  TCustomLabel::DoDrawText(Rect, Flags);
}

// -- TbsSkinLinkLabel ---------------------------------------------------------

TbsSkinLinkLabel::TbsSkinLinkLabel(TComponent* AOwner) : TbsSkinStdLabel(AOwner) {
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  TFontStyles underline;
  underline.Include(fsUnderline);
  FDefaultFont.SetStyle(underline);
  Font().Assign(FDefaultFont);
  SetCursor(crHandPoint);
}

void TbsSkinLinkLabel::PrepareFont(TFont& F) {
  TbsSkinStdLabel::PrepareFont(F);
  TFontStyles style = F.Style();
  if (FIndex == -1) {
    style.Include(fsUnderline);
    F.SetStyle(style);
    if (FMouseIn)
      F.SetColor(FDefaultActiveFontColor);
    return;
  }
  if (FUseSkinFont) {
    style.Include(fsUnderline);
    F.SetStyle(style);
  }
  F.SetColor(FMouseIn ? FActiveFontColor : FFontColor);
}

void TbsSkinLinkLabel::WndProc(TMessage& Message) {
  TbsSkinStdLabel::WndProc(Message);
  if (ComponentState().Contains(csDesigning))
    return;
  if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
    FMouseIn = Message.Msg == CM_MOUSEENTER;
    Invalidate();
  }
}

void TbsSkinLinkLabel::Click() {
  TbsSkinStdLabel::Click();
  sys::ShellOpen(FURL);
}

// -- TbsSkinLinkImage ---------------------------------------------------------

TbsSkinLinkImage::TbsSkinLinkImage(TComponent* AOwner) : TImage(AOwner) {
  SetAutoSize(true);
  SetCursor(crHandPoint);
}

void TbsSkinLinkImage::Click() {
  TImage::Click();
  sys::ShellOpen(FURL);
}

// -- TbsSkinBevel -------------------------------------------------------------

TbsSkinBevel::TbsSkinBevel(TComponent* AOwner) : TBevel(AOwner) {}

TbsSkinBevel::~TbsSkinBevel() {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
}

void TbsSkinBevel::SetSkinData(TbsSkinData* Value) {
  if (FSD != nullptr)
    FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD != nullptr)
    FSD->FreeNotification(this);
  SkinRefresh();
}

void TbsSkinBevel::Notification(TComponent* AComponent, TOperation Operation) {
  TBevel::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FSD)
    FSD = nullptr;
}

void TbsSkinBevel::SetDividerMode(bool Value) {
  FDividerMode = Value;
  Invalidate();
}

void TbsSkinBevel::SkinRefresh() {
  const int index = RecordIndex(FSD, FSkinDataName);
  if (index == -1) {
    FLightColor = gfx::clBtnHighlight;
    FDarkColor = gfx::clBtnShadow;
  } else if (const auto* record =
                 dynamic_cast<const TbsDataSkinBevel*>(FSD->ControlRecords[index].get())) {
    FLightColor = record->lightcolor;
    FDarkColor = record->darkcolor;
  }
  Invalidate();
}

void TbsSkinBevel::Paint() {
  if (gfx::DeviceContext* dc = Canvas().Handle())
    PaintSkinBevel(*dc, Width(), Height(), Shape(), Style(), FDividerMode, FLightColor, FDarkColor);
}

void PaintSkinBevel(gfx::DeviceContext& dc, int W, int H, TBevelShape shape, TBevelStyle style,
                    bool divider, TColor light, TColor dark) {
  if (!divider) {
    PaintBevelShape(dc, W, H, shape, style, light, dark);
    return;
  }
  // A divider is a two-pixel groove across the middle of the area.
  const TColor c1 = style == bsLowered ? dark : light;
  const TColor c2 = style == bsLowered ? light : dark;
  auto box = [&](int l, int t, int r, int b) {
    dc.SelectPen({gfx::PS_SOLID, 1, c1});
    dc.MoveTo(l, b);
    dc.LineTo(l, t);
    dc.LineTo(r, t);
    dc.SelectPen({gfx::PS_SOLID, 1, c2});
    dc.LineTo(r, b);
    dc.LineTo(l, b);
  };
  switch (shape) {
    case bsTopLine:
    case bsBottomLine:
      box(2, H / 2 - 1, W - 2, H / 2);
      break;
    case bsSpacer:
      break;
    default:
      box(W / 2 - 1, 2, W / 2, H - 2);
      break;
  }
}
