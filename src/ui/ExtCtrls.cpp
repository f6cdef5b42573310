#include "ui/ExtCtrls.h"

#include <algorithm>
#include <array>

// -- TImage --------------------------------------------------------------------

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(new TPicture) {
  StoreBounds(0, 0, 105, 105);
  FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() = default;

void TImage::SetCenter(bool Value) {
  if (Value != FCenter) {
    FCenter = Value;
    Invalidate();
  }
}

void TImage::SetStretch(bool Value) {
  if (Value != FStretch) {
    FStretch = Value;
    Invalidate();
  }
}

void TImage::SetProportional(bool Value) {
  if (Value != FProportional) {
    FProportional = Value;
    Invalidate();
  }
}

void TImage::SetTransparent(bool Value) {
  if (Value == FTransparent)
    return;
  FTransparent = Value;
  PictureChanged();
}

void TImage::SetAutoSize(bool Value) {
  if (Value != FAutoSize) {
    FAutoSize = Value;
    PictureChanged();
  }
}

void TImage::PictureChanged() {
  if (TGraphic* g = FPicture->Graphic()) {
    if (g->Transparent() != FTransparent) {
      // Quietly: the change event would bring us back here.
      TNotifyEvent keep = std::move(g->OnChange);
      g->SetTransparent(FTransparent);
      g->OnChange = std::move(keep);
    }
    if (FAutoSize && g->Width() > 0 && g->Height() > 0)
      SetBounds(Left(), Top(), g->Width(), g->Height());
  }
  Invalidate();
}

TRect TImage::DestRect() const {
  int w = FPicture->Width();
  int h = FPicture->Height();
  int cw = Width();
  int ch = Height();
  if (FStretch && w > 0 && h > 0) {
    if (FProportional) {
      // Scaled to fit whole, by the side that limits it.
      if (static_cast<long long>(cw) * h < static_cast<long long>(ch) * w) {
        h = static_cast<int>(static_cast<long long>(h) * cw / w);
        w = cw;
      } else {
        w = static_cast<int>(static_cast<long long>(w) * ch / h);
        h = ch;
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  int x = FCenter ? (cw - w) / 2 : 0;
  int y = FCenter ? (ch - h) / 2 : 0;
  return TRect::FromXYWH(x, y, w, h);
}

void TImage::Paint() {
  if (TGraphic* g = FPicture->Graphic(); g && !g->Empty())
    Canvas().StretchDraw(DestRect(), *g);
}

// -- TBevel --------------------------------------------------------------------

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  StoreBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
  if (Value != FShape) {
    FShape = Value;
    Invalidate();
  }
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (Value != FStyle) {
    FStyle = Value;
    Invalidate();
  }
}

void TBevel::Paint() {
  TCanvas& c = Canvas();
  TColor color1 = FStyle == bsLowered ? gfx::clBtnShadow : gfx::clBtnHighlight;
  TColor color2 = FStyle == bsLowered ? gfx::clBtnHighlight : gfx::clBtnShadow;
  const int w = Width();
  const int h = Height();
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    c.Pen().SetColor(color);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
  };
  // The top and left edges in one colour, the bottom and right in the
  // other; right and bottom are the rectangle's last pixels.
  auto bevelRect = [&](TColor topLeft, TColor bottomRight, TRect r) {
    c.Pen().SetColor(topLeft);
    std::array<TPoint, 3> a{TPoint{r.left, r.bottom}, TPoint{r.left, r.top},
                            TPoint{r.right, r.top}};
    c.Polyline(a);
    c.Pen().SetColor(bottomRight);
    std::array<TPoint, 3> b{TPoint{r.right, r.top}, TPoint{r.right, r.bottom},
                            TPoint{r.left, r.bottom}};
    c.Polyline(b);
  };
  switch (FShape) {
    case bsBox:
      bevelRect(color1, color2, {0, 0, w - 1, h - 1});
      break;
    case bsFrame:
      // An etched groove (or ridge): the second colour one pixel in, the
      // first over it at the outer edge.
      bevelRect(color2, color2, {1, 1, w - 1, h - 1});
      bevelRect(color1, color1, {0, 0, w - 2, h - 2});
      break;
    case bsTopLine:
      line(color1, 0, 0, w, 0);
      line(color2, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(color1, 0, h - 2, w, h - 2);
      line(color2, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(color1, 0, 0, 0, h);
      line(color2, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(color1, w - 2, 0, w - 2, h);
      line(color2, w - 1, 0, w - 1, h);
      break;
    case bsSpacer:
      break;
  }
}
