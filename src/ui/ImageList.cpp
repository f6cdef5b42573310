#include "ui/ImageList.h"

#include <algorithm>

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TImageList::Changed() {
  if (OnChange)
    OnChange(this);
}

void TImageList::SetWidth(int Value) {
  if (Value != FWidth && Value > 0) {
    FWidth = Value;
    Clear();
  }
}

void TImageList::SetHeight(int Value) {
  if (Value != FHeight && Value > 0) {
    FHeight = Value;
    Clear();
  }
}

void TImageList::Clear() {
  FImages = gfx::Bitmap();
  FMaskColors.clear();
  FCount = 0;
  Changed();
}

int TImageList::Add(const TBitmap& Image) {
  TColor key = BkColor;
  if (key == gfx::clNone && !Image.Empty())
    key = Image.Pixels().GetPixel(0, Image.Height() - 1);
  return AddMasked(Image, key);
}

int TImageList::AddMasked(const TBitmap& Image, TColor MaskColor) {
  int cells = Image.Width() / FWidth;
  if (cells <= 0 || Image.Height() <= 0)
    return -1;
  int first = FCount;
  gfx::Bitmap next((FCount + cells) * FWidth, FHeight, gfx::clBlack);
  gfx::DeviceContext dc(next);
  if (!FImages.IsEmpty())
    dc.BitBlt(0, 0, FImages.Width(), FImages.Height(), FImages, 0, 0);
  dc.BitBlt(FCount * FWidth, 0, cells * FWidth, std::min(FHeight, Image.Height()), Image.Pixels(),
            0, 0);
  FImages = std::move(next);
  FCount += cells;
  FMaskColors.insert(FMaskColors.end(), static_cast<std::size_t>(cells),
                     gfx::ColorToRGB(MaskColor));
  Changed();
  return first;
}

void TImageList::Delete(int Index) {
  if (Index < 0 || Index >= FCount)
    return;
  gfx::Bitmap next;
  if (FCount > 1) {
    next = gfx::Bitmap((FCount - 1) * FWidth, FHeight);
    gfx::DeviceContext dc(next);
    dc.BitBlt(0, 0, Index * FWidth, FHeight, FImages, 0, 0);
    dc.BitBlt(Index * FWidth, 0, (FCount - Index - 1) * FWidth, FHeight, FImages,
              (Index + 1) * FWidth, 0);
  }
  FImages = std::move(next);
  FMaskColors.erase(FMaskColors.begin() + Index);
  --FCount;
  Changed();
}

bool TImageList::GetBitmap(int Index, TBitmap& Image) const {
  if (Index < 0 || Index >= FCount)
    return false;
  gfx::Bitmap cell(FWidth, FHeight);
  gfx::DeviceContext dc(cell);
  dc.BitBlt(0, 0, FWidth, FHeight, FImages, Index * FWidth, 0);
  Image.SetPixels(std::move(cell));
  return true;
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const {
  gfx::DeviceContext* dc = Canvas.Handle();
  if (!dc || Index < 0 || Index >= FCount)
    return;
  int sx = Index * FWidth;
  if (Enabled) {
    if (FMasked)
      dc->TransparentBlt(X, Y, FWidth, FHeight, FImages, sx, 0, FWidth, FHeight,
                         FMaskColors[static_cast<std::size_t>(Index)]);
    else
      dc->BitBlt(X, Y, FWidth, FHeight, FImages, sx, 0);
    return;
  }
  // Greyed: every opaque pixel of the cell in the shadow colour over a
  // highlight copy one pixel down and right, the classic disabled look.
  TColor key = FMasked ? FMaskColors[static_cast<std::size_t>(Index)] : gfx::CLR_INVALID;
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      if (FImages.GetPixel(sx + x, y) != key)
        dc->SetPixel(X + x + 1, Y + y + 1, gfx::clBtnHighlight);
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      if (FImages.GetPixel(sx + x, y) != key)
        dc->SetPixel(X + x, Y + y, gfx::clBtnShadow);
}
