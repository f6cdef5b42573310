#pragma once

// TImageList: a row of equal-sized pictures kept in one bitmap, drawn by
// index. A masked list leaves out each picture's transparent colour when
// drawing; an unmasked one copies the cell whole.

#include <string>

#include "ui/Component.h"
#include "ui/Graphics.h"

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* AOwner);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Changing the cell size empties the list.
  void SetWidth(int Value);
  void SetHeight(int Value);
  bool Masked() const { return FMasked; }
  void SetMasked(bool Value) { FMasked = Value; }
  // The colour left out in masked cells added without a mask colour of
  // their own; clNone takes each picture's bottom-left pixel.
  TColor BkColor = gfx::clNone;
  int Count() const { return FCount; }

  // Adds the picture, cut into as many cells as its width holds; returns
  // the index of the first, or -1 when the picture is narrower than a cell.
  int Add(const TBitmap& Image);
  // Like Add, with MaskColor as the transparent colour of these cells.
  int AddMasked(const TBitmap& Image, TColor MaskColor);
  void Delete(int Index);
  void Clear();
  // Copies one cell into Image (resized to a cell); false for a bad index.
  bool GetBitmap(int Index, TBitmap& Image) const;

  // Draws a cell with its top-left corner at (X, Y); a disabled cell is
  // drawn greyed. A bad index draws nothing.
  void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;

  TNotifyEvent OnChange;

 private:
  void Changed();

  int FWidth = 16;
  int FHeight = 16;
  bool FMasked = true;
  int FCount = 0;
  // Cells side by side, and each cell's transparent colour.
  gfx::Bitmap FImages;
  std::vector<TColor> FMaskColors;
};
