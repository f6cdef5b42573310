#include "ui/Canvas.h"

#include "ui/Graphics.h"

TCanvas::TCanvas() {
  // A canvas starts with the classic look: black text and pen on a white
  // brush.
  FFont.SetColor(gfx::clBlack);
}

TCanvas::~TCanvas() = default;

void TCanvas::SetHandle(gfx::DeviceContext* Value) {
  FHandle = Value;
}

void TCanvas::RequireState() const {
  if (!FHandle)
    return;
  FHandle->SelectPen(FPen.Handle());
  FHandle->SelectBrush(FBrush.Handle());
  FHandle->SelectFont(FFont.Handle());
  FHandle->SetTextColor(gfx::ColorToRGB(FFont.Color()));
  FHandle->SetBkColor(gfx::ColorToRGB(FBrush.Color()));
  FHandle->SetBkMode(FBrush.Style() == bsClear ? gfx::TRANSPARENT : gfx::OPAQUE);
}

TRect TCanvas::ClipRect() const {
  return FHandle ? FHandle->GetClipBox() : TRect{};
}

void TCanvas::FillRect(const TRect& Rect) {
  if (!FHandle || FBrush.Style() == bsClear)
    return;
  FHandle->FillRect(Rect, gfx::ColorToRGB(FBrush.Color()));
}

void TCanvas::FrameRect(const TRect& Rect) {
  if (FHandle)
    FHandle->FrameRect(Rect, gfx::ColorToRGB(FBrush.Color()));
}

void TCanvas::Rectangle(const TRect& Rect) {
  if (!FHandle)
    return;
  RequireState();
  FHandle->Rectangle(Rect.left, Rect.top, Rect.right, Rect.bottom);
}

void TCanvas::MoveTo(int X, int Y) {
  if (FHandle)
    FHandle->MoveTo(X, Y);
}

void TCanvas::LineTo(int X, int Y) {
  if (!FHandle)
    return;
  RequireState();
  FHandle->LineTo(X, Y);
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  if (!FHandle)
    return;
  RequireState();
  FHandle->Polyline(Points);
}

TColor TCanvas::Pixel(int X, int Y) const {
  return FHandle ? FHandle->GetPixel(X, Y) : gfx::CLR_INVALID;
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
  if (FHandle)
    FHandle->SetPixel(X, Y, gfx::ColorToRGB(Color));
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  if (!FHandle)
    return;
  RequireState();
  FHandle->TextOut(X, Y, Text);
  FHandle->MoveTo(X + FHandle->GetTextExtent(Text).cx, Y);
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const std::string& Text) {
  if (!FHandle)
    return;
  gfx::SavedDC saved(*FHandle);
  RequireState();
  FHandle->IntersectClipRect(Rect);
  if (FBrush.Style() != bsClear)
    FHandle->FillRect(Rect, gfx::ColorToRGB(FBrush.Color()));
  FHandle->TextOut(X, Y, Text);
}

gfx::Size TCanvas::TextExtent(const std::string& Text) const {
  if (FHandle) {
    RequireState();
    return FHandle->GetTextExtent(Text);
  }
  // Without a context the font can still be measured on a scratch bitmap.
  gfx::Bitmap scratch(1, 1);
  gfx::DeviceContext dc(scratch);
  dc.SelectFont(FFont.Handle());
  return dc.GetTextExtent(Text);
}

int TCanvas::DrawText(const std::string& Text, TRect& Rect, unsigned Format) {
  if (!FHandle) {
    gfx::Bitmap scratch(1, 1);
    gfx::DeviceContext dc(scratch);
    dc.SelectFont(FFont.Handle());
    return dc.DrawText(Text, Rect, Format | gfx::DT_CALCRECT);
  }
  RequireState();
  return FHandle->DrawText(Text, Rect, Format);
}

void TCanvas::Draw(int X, int Y, const TGraphic& Graphic) {
  if (FHandle && !Graphic.Empty())
    Graphic.Draw(*this, TRect{X, Y, X + Graphic.Width(), Y + Graphic.Height()});
}

void TCanvas::StretchDraw(const TRect& Rect, const TGraphic& Graphic) {
  if (FHandle && !Graphic.Empty())
    Graphic.Draw(*this, Rect);
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect) {
  if (!FHandle || !Source.FHandle)
    return;
  const gfx::Bitmap& src = Source.FHandle->Target();
  gfx::Point o = Source.FHandle->DeviceOrigin();
  gfx::Point v = Source.FHandle->GetViewportOrg();
  FHandle->StretchBlt(Dest.left, Dest.top, Dest.Width(), Dest.Height(), src,
                      SourceRect.left + o.x + v.x, SourceRect.top + o.y + v.y, SourceRect.Width(),
                      SourceRect.Height());
}
