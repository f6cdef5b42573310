#include "ui/ExtCtrls.h"

#include <algorithm>

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
  if (gfx::DeviceContext* dc = Canvas().Handle())
    PaintBevelShape(*dc, Width(), Height(), FShape, FStyle, gfx::clBtnHighlight, gfx::clBtnShadow);
}

void PaintBevelShape(gfx::DeviceContext& dc, int W, int H, TBevelShape Shape, TBevelStyle Style,
                     TColor Light, TColor Dark) {
  const TColor c1 = Style == bsLowered ? Dark : Light;
  const TColor c2 = Style == bsLowered ? Light : Dark;
  auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
    dc.SelectPen({gfx::PS_SOLID, 1, color});
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
  };
  // The top and left edges in one colour, the bottom and right in the
  // other; right and bottom are the rectangle's last pixels.
  auto box = [&](int l, int t, int r, int b, TColor topLeft, TColor bottomRight) {
    dc.SelectPen({gfx::PS_SOLID, 1, topLeft});
    dc.MoveTo(l, b);
    dc.LineTo(l, t);
    dc.LineTo(r, t);
    dc.SelectPen({gfx::PS_SOLID, 1, bottomRight});
    dc.LineTo(r, b);
    dc.LineTo(l, b);
  };
  switch (Shape) {
    case bsBox:
      box(0, 0, W - 1, H - 1, c1, c2);
      break;
    case bsFrame:
      // An etched groove (or ridge): the second colour one pixel in, the
      // first over it at the outer edge.
      box(1, 1, W - 1, H - 1, c2, c2);
      box(0, 0, W - 2, H - 2, c1, c1);
      break;
    case bsTopLine:
      line(c1, 0, 0, W, 0);
      line(c2, 0, 1, W, 1);
      break;
    case bsBottomLine:
      line(c1, 0, H - 2, W, H - 2);
      line(c2, 0, H - 1, W, H - 1);
      break;
    case bsLeftLine:
      line(c1, 0, 0, 0, H);
      line(c2, 1, 0, 1, H);
      break;
    case bsRightLine:
      line(c1, W - 2, 0, W - 2, H);
      line(c2, W - 1, 0, W - 1, H);
      break;
    case bsSpacer:
      break;
  }
}
